target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/addressbits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colorvalue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/devicetable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/positionrules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registerentry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/statelist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/styleword.cpp
)
