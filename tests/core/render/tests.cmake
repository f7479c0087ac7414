# One CTest entry for the whole program rather than one per test: every process start pays for
# the GUI application, the font set-up and a project's 47 MB of records, which would multiply
# the run time by the number of tests.
add_executable(render_tests
    ${CMAKE_CURRENT_LIST_DIR}/rendertestmain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/samplepage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitswitchtest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/goldenpicturestest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/graphstest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lamptest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagerenderertest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picturetest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rendercommandtest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/robustnesstest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shapestest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textelementtest.cpp
)
target_link_libraries(render_tests PRIVATE GTest::gtest GTest::gmock Brevix::Core Brevix::Cli Qt6::Sql
                                           Brevix::Warnings)
target_include_directories(render_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_compile_definitions(render_tests PRIVATE TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
add_test(NAME render_tests COMMAND render_tests)
set_tests_properties(render_tests PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
