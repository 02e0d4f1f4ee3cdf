# Included by resources/CMakeLists.txt: the firmware images, made at build
# time by fwimages and embedded below ":/images/UpdateFirmwareFile/"
# (resource name "lumtar_firmware"). Sets firmware_images_rcc, the source to
# add to the resources library.
set(firmware_images_dir ${CMAKE_CURRENT_BINARY_DIR}/UpdateFirmwareFile)
set(firmware_images_rcc ${CMAKE_CURRENT_BINARY_DIR}/lumtar_firmware_rcc.cpp)
add_custom_command(OUTPUT ${firmware_images_rcc}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:fwimages> ${PROJECT_SOURCE_DIR}/sdk/data/lumtar-devices.json
          ${PROJECT_SOURCE_DIR}/sdk/data/lumtar-firmware.json ${firmware_images_dir}
  COMMAND Qt5::rcc --name lumtar_firmware -o ${firmware_images_rcc} ${firmware_images_dir}/firmware.qrc
  DEPENDS fwimages ${PROJECT_SOURCE_DIR}/sdk/data/lumtar-devices.json ${PROJECT_SOURCE_DIR}/sdk/data/lumtar-firmware.json
  COMMENT "Making the firmware images"
  VERBATIM)
set_source_files_properties(${firmware_images_rcc} PROPERTIES SKIP_AUTOGEN ON)
