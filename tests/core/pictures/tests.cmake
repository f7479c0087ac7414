brevix_add_gtest(pictures_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/storetestmain.cpp
        ${CMAKE_CURRENT_LIST_DIR}/rgb565test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/pictureconversiontest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/picturestoretest.cpp
    LIBS Brevix::Core)
add_dependencies(pictures_tests brevix_data)

# builder-cli's picture and macro commands, run in-process.
brevix_add_gtest(storecommands_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/storetestmain.cpp
        ${CMAKE_CURRENT_LIST_DIR}/storecommandstest.cpp
    LIBS Brevix::Cli)
add_dependencies(storecommands_tests brevix_data)
