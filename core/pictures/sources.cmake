target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/pictureconversion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picturestore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rgb565.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sqliteconnection.cpp
)
