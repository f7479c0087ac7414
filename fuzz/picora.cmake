# The BMP and transfer-block readers of libpicora, compiled into the target so they are
# instrumented (the shared library itself is built without the fuzzer's coverage hooks).
brevix_add_fuzzer(picora_bmp
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/picorabmpfuzz.cpp ${PICORA_CORE_SOURCES})
target_include_directories(fuzz_picora_bmp PRIVATE
    ${PROJECT_SOURCE_DIR}/picora/include ${PROJECT_SOURCE_DIR}/picora/src)
