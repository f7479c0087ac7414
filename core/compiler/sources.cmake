target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/checkrules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/compilecheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/datetimeexpansion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fieldwarnings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elementencoders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elementfields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/imagewriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kxbuilder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pageblock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsheader.cpp
)
