# The device database KXRes.Dat, built from its readable SQL source.
add_executable(brevix_sqltodb ${CMAKE_CURRENT_LIST_DIR}/sqltodb.cpp)
target_link_libraries(brevix_sqltodb PRIVATE Qt6::Core Qt6::Sql Brevix::Warnings)
add_custom_command(
    OUTPUT ${BREVIX_DATA_OUTPUT}/KXRes.Dat
    COMMAND brevix_sqltodb ${CMAKE_CURRENT_LIST_DIR}/kxres.sql ${BREVIX_DATA_OUTPUT}/KXRes.Dat
    DEPENDS brevix_sqltodb ${CMAKE_CURRENT_LIST_DIR}/kxres.sql
    COMMENT "Generating the device database KXRes.Dat")
add_custom_target(brevix_devices_data DEPENDS ${BREVIX_DATA_OUTPUT}/KXRes.Dat)
add_dependencies(brevix_data brevix_devices_data)
