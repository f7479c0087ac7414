target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/macroencoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/macrofile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/macrolabels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/macrorow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/macrostore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/macrotext.cpp
)
