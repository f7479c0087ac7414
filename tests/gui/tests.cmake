if(TARGET builderapp)
    brevix_add_qtest(editor_gui_tests
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/editorguitest.cpp
        LIBS builderapp)
    brevix_add_qtest(editor_settings_tests
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/buildersettingstest.cpp
        LIBS builderapp)

    # Copy in one editor process and paste in another through the real clipboard: needs an X
    # server, so the test starts its own Xvfb (it skips when Xvfb is not installed).
    brevix_add_qtest(editor_clipboard_xvfb_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/twoeditorsclipboardtest.cpp
        LIBS builderapp)
    set_tests_properties(editor_clipboard_xvfb_test PROPERTIES
        LABELS xvfb ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 60)
endif()
