brevix_add_fuzzer(devicelink_replies SOURCES ${CMAKE_CURRENT_LIST_DIR}/devicelinkfuzz.cpp LIBS Brevix::Core)
