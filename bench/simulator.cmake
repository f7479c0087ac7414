brevix_add_bench(bench_simulator SOURCES ${CMAKE_CURRENT_LIST_DIR}/simulatorbench.cpp LIBS Brevix::Core)
