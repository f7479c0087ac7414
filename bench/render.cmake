brevix_add_bench(bench_render
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/renderbench.cpp
            ${PROJECT_SOURCE_DIR}/tests/core/render/samplepage.cpp
    LIBS Brevix::Core)
target_include_directories(bench_render PRIVATE ${PROJECT_SOURCE_DIR}/tests/core/render)
