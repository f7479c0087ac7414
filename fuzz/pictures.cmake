brevix_add_fuzzer(picturedecode SOURCES ${CMAKE_CURRENT_LIST_DIR}/picturedecodefuzz.cpp LIBS Brevix::Core)
