# libpicora through its C interface, with the BMP codec and gradient painter also tested directly.
brevix_add_gtest(picora_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/bmpbuilder.cpp
        ${CMAKE_CURRENT_LIST_DIR}/memorybitmap.cpp
        ${CMAKE_CURRENT_LIST_DIR}/bmpreadertest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/transformstest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/gradienttest.cpp
    LIBS picora picora_internal)
