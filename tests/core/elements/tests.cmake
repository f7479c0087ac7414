brevix_add_gtest(elements_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/addressbitstest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/positionrulestest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/registerentrytest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/statelisttest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/stylewordtest.cpp
    LIBS Brevix::Core)
