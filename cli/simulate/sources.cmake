target_sources(brevixcli PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/simulatecommand.cpp
)
