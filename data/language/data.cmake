# The interface language files are written from the editor's windows at build time, so they
# always match the windows; english.txt is the translation table they are written with.
if(TARGET builder-langtool)
    set(_language_out ${BREVIX_DATA_OUTPUT}/language)
    add_custom_command(
        OUTPUT ${_language_out}/apchs.ini ${_language_out}/apeng.ini
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:builder-langtool> ${_language_out}
                ${CMAKE_CURRENT_LIST_DIR}/english.txt
        DEPENDS builder-langtool ${CMAKE_CURRENT_LIST_DIR}/english.txt
        COMMENT "Writing the interface language files"
        VERBATIM)
    add_custom_target(brevix_language_files DEPENDS ${_language_out}/apchs.ini
                                                    ${_language_out}/apeng.ini)
    add_dependencies(brevix_data brevix_language_files)
endif()
