brevix_add_fuzzer(compiler SOURCES compilerfuzz.cpp LIBS Brevix::Core)
