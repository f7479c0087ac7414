target_sources(builderapp PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/aboutbox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startscreen.cpp
)
