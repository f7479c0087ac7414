target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/bargraph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitswitch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lampelement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagerenderer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panelcolors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panelfont.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pictureelement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pixelcanvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shapeelements.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textelement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/thincolour.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trendgraph.cpp
)
