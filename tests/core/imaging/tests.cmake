brevix_add_gtest(imaging_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/picoratransformstest.cpp
    LIBS Brevix::Core)
