# End-to-end serial tests: the real driver on one end of a pseudo-terminal, the panel emulator
# on the other.
if(TARGET panelemulib)
    brevix_add_gtest(devicelink_e2e_tests
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/e2emain.cpp
            ${CMAKE_CURRENT_LIST_DIR}/serialdrivere2etest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/downloade2etest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/upgradee2etest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/clie2etest.cpp
        LIBS Brevix::Cli panelemulib)
    target_include_directories(devicelink_e2e_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()
