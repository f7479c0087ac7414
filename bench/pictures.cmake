brevix_add_bench(bench_pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/picturesbench.cpp LIBS Brevix::Core)
