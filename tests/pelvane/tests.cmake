if(TARGET pelvaneapp)
    brevix_add_qtest(pelvane_tests
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/pelvanetest.cpp
        LIBS Brevix::PelvaneApp)
    target_include_directories(pelvane_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/core/simulator)
endif()
