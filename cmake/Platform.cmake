# Compiler and linker settings shared by every target.

if(MSVC)
  # Source files are UTF-8; narrow literals become Windows-1251 bytes.
  add_compile_options(/W4 /source-charset:utf-8 /execution-charset:windows-1251)
else()
  add_compile_options(-Wall -Wextra -Wno-cast-function-type)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-finput-charset=UTF-8>
                      $<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP1251>)
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

# A Windows GUI program of this project: no console, icon resource 1.
function(deck_add_program name)
  add_executable(${name} WIN32 ${ARGN} ${PROJECT_SOURCE_DIR}/skin/program.rc)
endfunction()
