target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/crc16.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linesettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modbusframes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/downloadrules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/serialdriver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/eventwait.cpp
    ${CMAKE_CURRENT_LIST_DIR}/downloadrun.cpp
)
target_sources(brevixcore PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/bootloaderrules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/firmwareupgrade.cpp
    ${CMAKE_CURRENT_LIST_DIR}/firmwareimages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/portchoice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/customerpackage.cpp
)
