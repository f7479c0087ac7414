brevix_add_fuzzer(macrofile SOURCES ${CMAKE_CURRENT_LIST_DIR}/macrofilefuzz.cpp LIBS Brevix::Core)
