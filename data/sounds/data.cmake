# Key click sounds of the simulator's keypad, generated at build time into <data>/Sounds.
add_executable(brevix_soundgen ${CMAKE_CURRENT_LIST_DIR}/soundgen.cpp)
target_link_libraries(brevix_soundgen PRIVATE Brevix::Warnings)
set(_brevix_sounds ${BREVIX_DATA_OUTPUT}/Sounds/PUT.wav)
foreach(_digit RANGE 0 9)
    list(APPEND _brevix_sounds ${BREVIX_DATA_OUTPUT}/Sounds/T0${_digit}.wav)
endforeach()
add_custom_command(OUTPUT ${_brevix_sounds}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BREVIX_DATA_OUTPUT}/Sounds
    COMMAND brevix_soundgen ${BREVIX_DATA_OUTPUT}/Sounds
    DEPENDS brevix_soundgen
    COMMENT "Generating the keypad sounds")
add_custom_target(brevix_sounds DEPENDS ${_brevix_sounds})
add_dependencies(brevix_data brevix_sounds)
