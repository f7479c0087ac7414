# The two firmware images the upgrade carries, as Qt resources SRC1/FILE1 (72M) and SRC2/FILE2
# (112M). Real images placed here as FILE1.bin and FILE2.bin are used as they are; otherwise
# deterministic stand-ins of the real sizes are generated.
set(BREVIX_FIRMWARE_DIR ${BREVIX_DATA_OUTPUT}/firmware)
file(MAKE_DIRECTORY ${BREVIX_FIRMWARE_DIR})
set(firmware_outputs ${BREVIX_FIRMWARE_DIR}/FILE1 ${BREVIX_FIRMWARE_DIR}/FILE2)

if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/FILE1.bin AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/FILE2.bin)
    add_custom_command(OUTPUT ${firmware_outputs}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/FILE1.bin ${BREVIX_FIRMWARE_DIR}/FILE1
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/FILE2.bin ${BREVIX_FIRMWARE_DIR}/FILE2
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/FILE1.bin ${CMAKE_CURRENT_LIST_DIR}/FILE2.bin
        COMMENT "Copying firmware images")
else()
    add_executable(brevix_firmwaregen ${CMAKE_CURRENT_LIST_DIR}/firmwaregen.cpp)
    set_target_properties(brevix_firmwaregen PROPERTIES AUTOMOC OFF AUTORCC OFF)
    add_custom_command(OUTPUT ${firmware_outputs}
        COMMAND brevix_firmwaregen ${BREVIX_FIRMWARE_DIR}/FILE1 99604 72
        COMMAND brevix_firmwaregen ${BREVIX_FIRMWARE_DIR}/FILE2 99608 112
        DEPENDS brevix_firmwaregen
        COMMENT "Generating placeholder firmware images")
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/firmware.qrc.in ${BREVIX_FIRMWARE_DIR}/firmware.qrc COPYONLY)
set(firmware_rcc_output ${CMAKE_CURRENT_BINARY_DIR}/qrc_brevix_firmware.cpp)
add_custom_command(OUTPUT ${firmware_rcc_output}
    COMMAND Qt6::rcc --name brevix_firmware -o ${firmware_rcc_output} ${BREVIX_FIRMWARE_DIR}/firmware.qrc
    DEPENDS ${firmware_outputs} ${BREVIX_FIRMWARE_DIR}/firmware.qrc Qt6::rcc
    COMMENT "Packing firmware images into resources")
add_library(brevix_firmware STATIC ${firmware_rcc_output})
set_target_properties(brevix_firmware PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
target_link_libraries(brevix_firmware PRIVATE Qt6::Core)
target_link_libraries(brevixcore PUBLIC brevix_firmware)
add_dependencies(brevix_data brevix_firmware)
