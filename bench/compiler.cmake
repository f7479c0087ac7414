brevix_add_bench(bench_compiler SOURCES compilerbench.cpp LIBS Brevix::Core)
