target_sources(brevixcli PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/checkcommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/checkoutput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/compilecommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sizereport.cpp
)
