brevix_add_gtest(settings_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/devicedatabasetest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/settingsrulestest.cpp
    LIBS Brevix::Core)
add_dependencies(settings_tests brevix_data)
