if(TARGET builderapp)
    brevix_add_qtest(builder_colordialog_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/colordialogtest.cpp LIBS builderapp)
    brevix_add_qtest(builder_textdialog_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/textdialogtest.cpp LIBS builderapp)
    brevix_add_qtest(builder_dynamictextdialog_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/dynamictextdialogtest.cpp LIBS builderapp)
    brevix_add_qtest(builder_addresschooser_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/addresschoosertest.cpp LIBS builderapp)
endif()
if(TARGET builderapp)
    brevix_add_qtest(builder_languagefile_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/languagefiletest.cpp LIBS builderapp)
    brevix_add_qtest(builder_startscreen_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/startscreentest.cpp LIBS builderapp)
    brevix_add_qtest(builder_compilecheckframe_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/compilecheckframetest.cpp LIBS builderapp)
endif()
if(TARGET builderapp)
    brevix_add_qtest(builder_buildcommands_test
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/buildcommandstest.cpp LIBS builderapp)
endif()
