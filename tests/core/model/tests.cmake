brevix_add_gtest(model_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/pagerecordtest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/projecttest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/projectfiletest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/handovertest.cpp
    LIBS Brevix::Core)
