# Store templates, built from their SQL text with the sqlite3 shell: "TPicData.pdb" (picture
# library) and "MacroDat.M" (macro store). A new project's stores are copies of these.
find_program(BREVIX_SQLITE3 sqlite3 REQUIRED)
set(BREVIX_STORES_OUTPUT ${BREVIX_DATA_OUTPUT}/stores)

function(brevix_store_template sql output)
    set(out ${BREVIX_STORES_OUTPUT}/${output})
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${BREVIX_STORES_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${out}.part
        COMMAND ${BREVIX_SQLITE3} -bail ${out}.part ".read ${CMAKE_CURRENT_LIST_DIR}/${sql}"
        COMMAND ${CMAKE_COMMAND} -E rename ${out}.part ${out}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${sql}
        COMMENT "Store template ${output}"
        VERBATIM)
    target_sources(brevix_data PRIVATE ${out})
endfunction()

brevix_store_template(picturetemplate.sql TPicData.pdb)
brevix_store_template(macrotemplate.sql MacroDat.M)
