brevix_add_gtest(editing_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/aligntest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/areaselectiontest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/geometrytest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/newpagetest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/pastetest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/placementtest.cpp
    LIBS Brevix::Core)
