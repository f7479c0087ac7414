target_sources(builderapp PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/colourbutton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/warningbox.cpp
)
