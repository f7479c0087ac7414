find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBMODBUS REQUIRED IMPORTED_TARGET libmodbus)

brevix_add_gtest(devicelink_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/modbusframestest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/downloadrulestest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/bootloaderrulestest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/portchoicetest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/modbuspeertest.cpp
    LIBS Brevix::Core PkgConfig::LIBMODBUS)
