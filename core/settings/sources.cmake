target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/devicedatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsrules.cpp
)
