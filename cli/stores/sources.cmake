target_sources(brevixcli PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/macrocommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picturescommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/storeargs.cpp
)
