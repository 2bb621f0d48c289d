# Compiles pictures into a program: each file becomes one block of bytes,
# declared in a generated header as an EmbeddedPicture of a namespace.
#
#   deck_embed_pictures(<library> NAMESPACE <ns> HEADER <name.h> FILES a.png b.png ...)
#
# The header declares `namespace <ns> { extern const EmbeddedPicture a, b; }`,
# named after the files without their extension.

set(DECK_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_picture.cmake)

function(deck_embed_pictures library)
  cmake_parse_arguments(E "" "NAMESPACE;HEADER" "FILES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${library})
  set(header ${out}/${E_HEADER})
  set(declarations "")
  set(sources "")
  foreach(file IN LISTS E_FILES)
    get_filename_component(path ${file} ABSOLUTE)
    get_filename_component(name ${file} NAME_WE)
    string(MAKE_C_IDENTIFIER ${name} name)
    set(source ${out}/${name}.cpp)
    add_custom_command(
      OUTPUT ${source}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${path} -DOUTPUT=${source} -DNAME=${name}
              -DNAMESPACE=${E_NAMESPACE} -DHEADER=${E_HEADER} -P ${DECK_EMBED_SCRIPT}
      DEPENDS ${path} ${DECK_EMBED_SCRIPT}
      COMMENT "Embedding ${file}")
    list(APPEND sources ${source})
    string(APPEND declarations "extern const EmbeddedPicture ${name};\n")
  endforeach()
  file(GENERATE OUTPUT ${header} CONTENT
"#pragma once
// Generated from the skin pictures; do not edit.
#include \"skin/embedded_picture.h\"

namespace ${E_NAMESPACE} {
${declarations}}  // namespace ${E_NAMESPACE}
")
  add_library(${library} STATIC ${sources})
  target_include_directories(${library} PUBLIC ${out} ${PROJECT_SOURCE_DIR})
endfunction()
