# Compiler and linker settings shared by every target.

if(MSVC)
  # Source files are UTF-8; narrow literals become Windows-1251 bytes.
  add_compile_options(/W4 /source-charset:utf-8 /execution-charset:windows-1251)
else()
  add_compile_options(-Wall -Wextra -Wno-cast-function-type)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-finput-charset=UTF-8>
                        $<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP1251>)
  elseif(NOT DECK_COMPILE_CHECK)
    # clang knows no execution character set but UTF-8: its programs would
    # show every Russian text as the wrong letters.
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER_ID} cannot compile narrow literals to Windows-1251; "
                        "build with GCC (MinGW-w64) or MSVC")
  endif()
  # The programs must run without any MinGW DLL beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# Programs run under Wine when built on Linux.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  find_program(WINE64 NAMES wine64)
  if(WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE64})
  endif()
endif()

# A Windows GUI program of this project: no console, icon resource 1, a
# version resource made from the project's version, and the manifest.
#   deck_add_program(<name> DESCRIPTION <text> <sources>...)
function(deck_add_program name)
  cmake_parse_arguments(P "" "DESCRIPTION" "" ${ARGN})
  set(DECK_PROGRAM ${name})
  set(DECK_DESCRIPTION ${P_DESCRIPTION})
  set(manifest ${PROJECT_SOURCE_DIR}/packaging/deckplayer.manifest)
  set(info ${CMAKE_CURRENT_BINARY_DIR}/${name}_info.rc)
  # MSVC's linker writes the manifest itself from a .manifest source.
  if(MSVC)
    set(DECK_MANIFEST_RESOURCE "")
    set(sources ${manifest})
  else()
    set(DECK_MANIFEST_RESOURCE "1 24 \"${manifest}\"  // RT_MANIFEST, the process's own")
    set(sources "")
    set_source_files_properties(${info} PROPERTIES OBJECT_DEPENDS ${manifest})
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/packaging/program_info.rc.in ${info} @ONLY)
  add_executable(${name} WIN32 ${P_UNPARSED_ARGUMENTS} ${PROJECT_SOURCE_DIR}/skin/program.rc
                 ${info} ${sources})
endfunction()
