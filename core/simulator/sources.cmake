target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/downloadimage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elementpainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elementvalues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formatdecimal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keypadentry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linkfiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagedecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pageruntime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panelface.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panelfont.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pressedlook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registermemory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/simulatorsession.cpp
)
