# Shared build settings of every target of ours.

set(LUMTAR_WARNINGS -Wall -Wextra)
# Log lines carry no source file or line, in every build type.
add_compile_definitions(QT_NO_MESSAGELOGCONTEXT)

if(LUMTAR_SANITIZE)
  set(LUMTAR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${LUMTAR_SANITIZER_FLAGS})
  add_link_options(${LUMTAR_SANITIZER_FLAGS})
endif()

# The kind of library every layer (and the resources) is built as.
if(LUMTAR_SHARED_LAYERS)
  set(LUMTAR_LAYER_TYPE SHARED)
else()
  set(LUMTAR_LAYER_TYPE STATIC)
endif()

# lumtar_layer(<name> [LIBS ...]): a library of all sources below the current
# folder (sub-folders included), compiled with our warnings; static, or shared
# with LUMTAR_SHARED_LAYERS.
function(lumtar_layer name)
  cmake_parse_arguments(ARG "" "" "LIBS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  foreach(pattern IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.(c|cpp)$")
  if(NOT compiled)
    # A layer that has no code yet still takes part in the link.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    if(ARG_LIBS)
      target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    endif()
    return()
  endif()
  add_library(${name} ${LUMTAR_LAYER_TYPE} ${sources})
  target_compile_options(${name} PRIVATE ${LUMTAR_WARNINGS})
  # When the glob finds a new or removed file, moc and uic must look at the
  # layer again; their step only watches the files it saw last time, so drop
  # its stamp and let the build run it anew.
  set(source_list ${CMAKE_CURRENT_BINARY_DIR}/${name}_sources.txt)
  set(previous "")
  if(EXISTS ${source_list})
    file(READ ${source_list} previous)
  endif()
  if(NOT previous STREQUAL "${sources}")
    file(WRITE ${source_list} "${sources}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp)
  endif()
  # Headers are found by their path below the repository root ("core/DDataManager.h").
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# lumtar_language_qm(<ts file> <qm file>): the build step that makes one
# language's .qm: our translations by lrelease, and Qt's own texts (the file
# dialog, a line edit's menu, message box buttons) from Qt's translation of the
# same language (Debian package qttranslations5-l10n) merged into that one
# file, so the program's one translator holds everything the language shows.
# Qt has no European Portuguese; the Brazilian one stands in for its dialogs.
set(LUMTAR_QT_LANGUAGE_Zh_SM zh_CN)
set(LUMTAR_QT_LANGUAGE_Zh_TR zh_TW)
set(LUMTAR_QT_LANGUAGE_English en)
set(LUMTAR_QT_LANGUAGE_Japanese ja)
set(LUMTAR_QT_LANGUAGE_Korean ko)
set(LUMTAR_QT_LANGUAGE_Russian ru)
set(LUMTAR_QT_LANGUAGE_Arabic ar)
set(LUMTAR_QT_LANGUAGE_Spanish es)
set(LUMTAR_QT_LANGUAGE_Portugal pt_BR)
set(LUMTAR_QT_LANGUAGE_German de)
set(LUMTAR_QT_LANGUAGE_Italian it)
set(LUMTAR_QT_LANGUAGE_Polish pl)
set(LUMTAR_QT_LANGUAGE_French fr)
set(LUMTAR_QT_LANGUAGE_Ukrainian uk)
set(LUMTAR_QT_LANGUAGE_Czech cs)
set(LUMTAR_QT_LANGUAGE_Turkish tr)

function(lumtar_language_qm ts qm)
  if(NOT LUMTAR_QT_TRANSLATIONS_DIR)
    get_target_property(qmake_program Qt5::qmake IMPORTED_LOCATION)
    execute_process(COMMAND ${qmake_program} -query QT_INSTALL_TRANSLATIONS
      OUTPUT_VARIABLE qt_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(LUMTAR_QT_TRANSLATIONS_DIR ${qt_dir} CACHE INTERNAL "Qt's own translations")
  endif()
  get_filename_component(name ${ts} NAME_WE)
  get_filename_component(qm_dir ${qm} DIRECTORY)
  string(MAKE_C_IDENTIFIER ${qm} own_name)
  set(own_qm ${CMAKE_CURRENT_BINARY_DIR}/${own_name}.own.qm)
  set(qt_qm ${LUMTAR_QT_TRANSLATIONS_DIR}/qtbase_${LUMTAR_QT_LANGUAGE_${name}}.qm)
  if(NOT LUMTAR_QT_LANGUAGE_${name} OR NOT EXISTS ${qt_qm})
    if(LUMTAR_QT_LANGUAGE_${name})
      message(WARNING "No Qt translation ${qt_qm}: Qt's own dialogs stay in English in ${name}")
    endif()
    set(qt_qm)
  endif()
  add_custom_command(OUTPUT ${qm}
    COMMAND Qt5::lrelease -silent ${ts} -qm ${own_qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${qm_dir}
    COMMAND Qt5::lconvert -i ${own_qm} ${qt_qm} -o ${qm}
    DEPENDS ${ts} ${qt_qm}
    VERBATIM)
endfunction()

# lumtar_language_files(<folder> <output variable> <ts files...>): the .qm of
# each .ts file in <folder>, their paths in the output variable.
function(lumtar_language_files folder out)
  set(outputs)
  foreach(ts IN LISTS ARGN)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${folder}/${name}.qm)
    lumtar_language_qm(${ts} ${qm})
    list(APPEND outputs ${qm})
  endforeach()
  set(${out} ${outputs} PARENT_SCOPE)
endfunction()

# lumtar_translations_beside(<target> <ts files...>): builds the .ts files
# into the folder "translation" beside the target's program, where the
# program looks for its translations.
function(lumtar_translations_beside target)
  get_target_property(dir ${target} RUNTIME_OUTPUT_DIRECTORY)
  lumtar_language_files(${dir}/translation outputs ${ARGN})
  add_custom_target(${target}_translations DEPENDS ${outputs})
  add_dependencies(${target} ${target}_translations)
endfunction()
