brevix_add_gtest(macros_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/../pictures/storetestmain.cpp
        ${CMAKE_CURRENT_LIST_DIR}/macrotexttest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/macroencodertest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/macrostoretest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/macrofiletest.cpp
    LIBS Brevix::Core)
add_dependencies(macros_tests brevix_data)
