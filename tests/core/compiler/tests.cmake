brevix_add_gtest(compiler_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/clicompiletest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/compilechecktest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/elementfieldstest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/kxbuildertest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/picturesectiontest.cpp
    LIBS Brevix::Core Brevix::Cli)
add_dependencies(compiler_tests brevix_data)
