target_sources(builderapp PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/bitaddresschooser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colorswatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/devicerow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/devicesource.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dynamictextdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elementdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registeredit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stategrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stylecombos.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/worddevicechooser.cpp
    # The colour dialog belongs to the picture tools but every element dialog opens it.
    ${CMAKE_CURRENT_LIST_DIR}/../pictures/colordialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../pictures/colorgrid.cpp
)
