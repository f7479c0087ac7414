include(${CMAKE_CURRENT_LIST_DIR}/dialogfiles.cmake)
target_sources(builderapp PRIVATE ${BREVIX_DEVICELINK_DIALOG_SOURCES})
