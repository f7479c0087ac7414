target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/align.cpp
    ${CMAKE_CURRENT_LIST_DIR}/areaselection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/geometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/newpage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paste.cpp
    ${CMAKE_CURRENT_LIST_DIR}/placement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/statustext.cpp
)
