brevix_add_gtest(text_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/gbktest.cpp
    LIBS Brevix::Core)
