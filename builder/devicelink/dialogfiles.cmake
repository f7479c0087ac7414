# The device-link dialogs, listed once for the editor and for the dialog tests.
set(BREVIX_DEVICELINK_DIALOG_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/downloadportdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/downloaddialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/firmwaredialog.cpp
)
