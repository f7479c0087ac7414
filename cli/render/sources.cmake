target_sources(brevixcli PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/rendercommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/storepictures.cpp
)
