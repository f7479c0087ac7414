target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/clipboardtransfer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/datafolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elementkindname.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gzipfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/handover.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panelmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/project.cpp
    ${CMAKE_CURRENT_LIST_DIR}/projectfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/savebackupsettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/undohistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/workfolder.cpp
)
