target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/picoratransforms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qimagebitmap.cpp
)
