brevix_add_gtest(model_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/pagerecordtest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/projecttest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/projectfiletest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/handovertest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/clipboardtransfertest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/undohistorytest.cpp
    LIBS Brevix::Core)
