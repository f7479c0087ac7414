target_sources(brevixcli PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/downloadcommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/upgradecommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/progressline.cpp
)
