# Included by resources/CMakeLists.txt: the default custom-light files of
# new profiles, generated from our key layouts by customlightgen and embedded
# below ":/images/configDir/" (resource name "lumtar_customlights"). Each
# line names a file and the model whose layout it is made from; a key count
# whose file is not listed gets empty schemes. Sets custom_lights_rcc, the
# source to add to the resources library.
set(custom_light_files
  "customLightDefaultConfig.xml LT108HE"
  "customLightDefaultConfig_68.xml LT68HE")

set(custom_lights_dir ${CMAKE_CURRENT_BINARY_DIR}/customLights)
set(custom_light_outputs)
set(custom_lights_qrc_body)
foreach(entry IN LISTS custom_light_files)
  separate_arguments(fields UNIX_COMMAND "${entry}")
  list(GET fields 0 file_name)
  list(GET fields 1 model)
  set(layout ${PROJECT_SOURCE_DIR}/resources/layouts/KeyInfo_${model}.config)
  set(output ${custom_lights_dir}/${file_name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${custom_lights_dir}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:customlightgen> ${layout} ${output}
    DEPENDS customlightgen ${layout}
    COMMENT "Writing ${file_name} from the layout of ${model}"
    VERBATIM)
  list(APPEND custom_light_outputs ${output})
  string(APPEND custom_lights_qrc_body "    <file alias=\"${file_name}\">customLights/${file_name}</file>\n")
endforeach()
set(custom_lights_qrc ${CMAKE_CURRENT_BINARY_DIR}/lumtar_customlights.qrc)
file(CONFIGURE OUTPUT ${custom_lights_qrc}
  CONTENT "<RCC>\n  <qresource prefix=\"/images/configDir\">\n${custom_lights_qrc_body}  </qresource>\n</RCC>\n")
qt5_add_resources(custom_lights_rcc ${custom_lights_qrc})
set_source_files_properties(${custom_lights_rcc} PROPERTIES SKIP_AUTOGEN ON)
