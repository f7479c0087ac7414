brevix_add_fuzzer(simulator_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/simulatorreaderfuzz.cpp LIBS Brevix::Core)
