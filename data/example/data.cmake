# The example project "Examples/茶叶整形机.KX3" with its picture library and macro store, written
# by a small program from the readable description teashaper.json.
add_executable(brevix_example
    ${CMAKE_CURRENT_LIST_DIR}/examplegenerator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/examplepictures.cpp)
target_link_libraries(brevix_example PRIVATE Brevix::Core Brevix::Warnings)
set(BREVIX_EXAMPLE_PROJECT "${BREVIX_DATA_OUTPUT}/Examples/茶叶整形机.KX3")
add_custom_command(
    OUTPUT ${BREVIX_EXAMPLE_PROJECT}
    COMMAND brevix_example ${CMAKE_CURRENT_LIST_DIR}/teashaper.json ${BREVIX_DATA_OUTPUT}
            ${BREVIX_DATA_OUTPUT}/stores
    DEPENDS brevix_example ${CMAKE_CURRENT_LIST_DIR}/teashaper.json
            ${BREVIX_DATA_OUTPUT}/stores/TPicData.pdb ${BREVIX_DATA_OUTPUT}/stores/MacroDat.M
    COMMENT "Generating the example project"
    VERBATIM)
add_custom_target(brevix_example_data DEPENDS ${BREVIX_EXAMPLE_PROJECT})
add_dependencies(brevix_data brevix_example_data)
