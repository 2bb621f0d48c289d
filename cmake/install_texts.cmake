# Run at install time (CPack's staging): writes README.txt and LICENSES/ into
# the package as UTF-8 with a byte-order mark and CR LF line ends, so that
# Notepad on every supported Windows shows them right. Needs DECK_SOURCE_DIR.

set(destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
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

deck_write_text("${destination}/README.txt" packaging/README.txt)

file(STRINGS "${DECK_SOURCE_DIR}/packaging/licences.list" lines REGEX "^[^# \t]")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(POP_FRONT fields name)
  deck_write_text("${destination}/LICENSES/${name}.txt" ${fields})
endforeach()
