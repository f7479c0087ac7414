brevix_add_gtest(pictures_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/storetestmain.cpp
        ${CMAKE_CURRENT_LIST_DIR}/rgb565test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/pictureconversiontest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/picturestoretest.cpp
    LIBS Brevix::Core)
add_dependencies(pictures_tests brevix_data)
