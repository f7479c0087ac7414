if(TARGET builderapp)
    brevix_add_bench(bench_editor SOURCES ${CMAKE_CURRENT_LIST_DIR}/editorbench.cpp LIBS builderapp)
endif()
