# Help pages, opened in the desktop's browser by the Help command.
set(BREVIX_HELP_PAGES ${CMAKE_CURRENT_LIST_DIR}/index.html ${CMAKE_CURRENT_LIST_DIR}/index-en.html)
set(BREVIX_HELP_OUTPUTS)
foreach(page ${BREVIX_HELP_PAGES})
    get_filename_component(name ${page} NAME)
    add_custom_command(OUTPUT ${BREVIX_DATA_OUTPUT}/help/${name}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${BREVIX_DATA_OUTPUT}/help
        COMMAND ${CMAKE_COMMAND} -E copy ${page} ${BREVIX_DATA_OUTPUT}/help/${name}
        DEPENDS ${page})
    list(APPEND BREVIX_HELP_OUTPUTS ${BREVIX_DATA_OUTPUT}/help/${name})
endforeach()
add_custom_target(brevix_help_pages DEPENDS ${BREVIX_HELP_OUTPUTS})
add_dependencies(brevix_data brevix_help_pages)
