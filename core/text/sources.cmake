target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/gbk.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numbertext.cpp
)
