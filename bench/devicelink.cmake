if(TARGET panelemulib)
    brevix_add_bench(bench_devicelink SOURCES ${CMAKE_CURRENT_LIST_DIR}/devicelinkbench.cpp
                     LIBS Brevix::Core panelemulib)
endif()
