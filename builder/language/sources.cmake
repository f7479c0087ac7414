target_sources(builderapp PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/uilanguage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windowregistry.cpp
)
