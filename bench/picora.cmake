brevix_add_bench(bench_picora SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/picorabench.cpp LIBS Brevix::Core)
