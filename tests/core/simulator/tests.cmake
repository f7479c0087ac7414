brevix_add_gtest(simulator_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/guienvironment.cpp
        ${CMAKE_CURRENT_LIST_DIR}/readertest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/registermemorytest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/formatdecimaltest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/keypadentrytest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/runtimetest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/sessiontest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/compiledprojecttest.cpp
    LIBS Brevix::Core)

brevix_add_gtest(simulate_command_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/guienvironment.cpp
        ${CMAKE_CURRENT_LIST_DIR}/simulatecommandtest.cpp
    LIBS Brevix::Cli)
