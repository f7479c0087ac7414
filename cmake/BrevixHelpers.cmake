# Warning flags and sanitizer options shared by every target.
add_library(brevix_warnings INTERFACE)
add_library(Brevix::Warnings ALIAS brevix_warnings)
target_compile_options(brevix_warnings INTERFACE -Wall -Wextra)

if(BREVIX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
# With clang the sanitizer build also carries the fuzzers' coverage hooks, so one build serves
# both the tests under the sanitizers and the fuzz targets.
if(BREVIX_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "The fuzz targets need clang (CC=clang CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# brevix_add_gtest(NAME SOURCES a.cpp b.cpp LIBS x y)
# One GoogleTest program, registered with CTest test by test. TEST_DATA_DIR points at tests/data.
function(brevix_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock ${ARG_LIBS}
                                          Brevix::Warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
                                               BREVIX_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# brevix_add_qtest(NAME SOURCES a.cpp LIBS x y)
# One Qt Test program run under the offscreen platform.
function(brevix_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS} Brevix::Warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
                                               BREVIX_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# brevix_include_parts(DIR FILE a b c): includes DIR/<a>/FILE for each name whose file exists.
macro(brevix_include_parts dir file)
    foreach(part ${ARGN})
        if(EXISTS ${dir}/${part}/${file})
            include(${dir}/${part}/${file})
        endif()
    endforeach()
endmacro()
