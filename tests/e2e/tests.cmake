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
            ${CMAKE_CURRENT_LIST_DIR}/vzupdatee2etest.cpp
        LIBS Brevix::Cli panelemulib)
    target_include_directories(devicelink_e2e_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    if(TARGET vzupdate)
        add_dependencies(devicelink_e2e_tests vzupdate)
    endif()
endif()

# The device-link dialogs under the offscreen platform, and a preview program for looking at
# them on a screen (run by hand, not by CTest).
if(TARGET panelemulib AND TARGET Qt6::Widgets AND TARGET Qt6::Test)
    include(${PROJECT_SOURCE_DIR}/builder/devicelink/dialogfiles.cmake)
    add_library(devicelink_dialogs STATIC ${BREVIX_DEVICELINK_DIALOG_SOURCES})
    target_include_directories(devicelink_dialogs PUBLIC ${PROJECT_SOURCE_DIR}/builder)
    target_link_libraries(devicelink_dialogs PUBLIC Brevix::Core Qt6::Widgets PRIVATE Brevix::Warnings)

    brevix_add_qtest(devicelink_dialogs_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/dialogstest.cpp
        LIBS devicelink_dialogs panelemulib)
    target_include_directories(devicelink_dialogs_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})

    add_executable(devicelink_dialog_preview ${CMAKE_CURRENT_LIST_DIR}/dialogpreview.cpp)
    target_include_directories(devicelink_dialog_preview PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                                                                 ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(devicelink_dialog_preview PRIVATE devicelink_dialogs panelemulib Brevix::Warnings)
endif()
