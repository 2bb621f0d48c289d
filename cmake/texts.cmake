# Texts for Windows users, written as UTF-8 with a byte-order mark and CR LF
# line ends, so that Notepad on every supported Windows shows them right.
# Included by the install step (install_texts.cmake) and by the setup's
# script (make_setup.cmake); both set DECK_SOURCE_DIR.

string(ASCII 239 187 191 byte_order_mark)

# The newest file a path or pattern names, relative to the source tree.
function(deck_resolve path out)
  if(NOT IS_ABSOLUTE "${path}")
    set(path "${DECK_SOURCE_DIR}/${path}")
  endif()
  file(GLOB found LIST_DIRECTORIES false "${path}")
  list(SORT found COMPARE NATURAL)
  list(POP_BACK found newest)
  if(NOT newest)
    message(FATAL_ERROR "no file at ${path}; scripts/bootstrap fetches and installs it")
  endif()
  set(${out} "${newest}" PARENT_SCOPE)
endfunction()

# Joins the files (paths or patterns) into one text for Windows.
function(deck_write_text out)
  set(text "${byte_order_mark}")
  set(separator "")
  foreach(path IN LISTS ARGN)
    deck_resolve("${path}" file)
    file(READ "${file}" part)
    string(APPEND text "${separator}${part}")
    set(separator "\n\n")
  endforeach()
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${out}" "${text}")
endfunction()

# Writes <folder>/LICENSES/<name>.txt for each line of packaging/licences.list
# that belongs to the package: the zip's are the lines of plain names, the
# setup adds those marked "setup:".
function(deck_write_licences folder package)
  file(STRINGS "${DECK_SOURCE_DIR}/packaging/licences.list" lines REGEX "^[^# \t]")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
    list(POP_FRONT fields name)
    if(name MATCHES "^setup:(.+)")
      if(NOT package STREQUAL "setup")
        continue()
      endif()
      set(name "${CMAKE_MATCH_1}")
    elseif(package STREQUAL "setup")
      continue()
    endif()
    deck_write_text("${folder}/LICENSES/${name}.txt" ${fields})
  endforeach()
endfunction()
