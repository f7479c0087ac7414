target_sources(builderapp PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/buildcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/compilecheckframe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainframewiring.cpp
)
