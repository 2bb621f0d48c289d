# What a release holds and how CPack writes it. `make package` runs CPack in
# each triplet's build folder; the zip's one top folder is the package's name,
# e.g. deckplayer-1.0.0-win64. From the same staged files CPack's pre-build
# step writes the setup (cmake/make_setup.cmake, packaging/deckplayer.nsi).

# The programs, and what they read from their working directory.
install(TARGETS deckplayer deckplayer-mini RUNTIME DESTINATION .)
install(FILES skin/records/ровел2.png skin/records/ровел_мини4.png DESTINATION .)

# Texts for Windows users, with CR LF line ends for every editor there.
install(CODE "
  set(DECK_SOURCE_DIR [[${PROJECT_SOURCE_DIR}]])
  include([[${PROJECT_SOURCE_DIR}/cmake/install_texts.cmake]])")

# Data the install step generates beside the programs: the command is run
# with the destination folder as its last argument.
function(deck_install_generated folder)
  set(command "")
  foreach(word IN LISTS ARGN)
    string(APPEND command " [[${word}]]")
  endforeach()
  install(CODE "execute_process(COMMAND${command}
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}\"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)")
endfunction()

find_program(DECK_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(DECK_PYTHON python3)
# Something to open at once: the generated demo tracks.
deck_install_generated(demo ${DECK_PYTHON} ${PROJECT_SOURCE_DIR}/tools/demo-media/make_demo_media.py)
# The MIDI instruments, which the audio library reads from the programs' own folder.
deck_install_generated(freepats ${DECK_PYTHON} ${PROJECT_SOURCE_DIR}/tools/instruments/lay_out_freepats.py)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME deckplayer)
set(CPACK_PACKAGE_VENDOR "the deckplayer developers")
# The 64-bit setup is the one most users want, so it carries no suffix; each
# setup is built for its programs' machine.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_DECK_SETUP_TARGET amd64-unicode)
  set(CPACK_DECK_SETUP_FILE_NAME deckplayer-${PROJECT_VERSION}-setup.exe)
else()
  set(CPACK_SYSTEM_NAME win32)
  set(CPACK_DECK_SETUP_TARGET x86-unicode)
  set(CPACK_DECK_SETUP_FILE_NAME deckplayer-${PROJECT_VERSION}-win32-setup.exe)
endif()
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
find_program(DECK_MAKENSIS makensis)
set(CPACK_DECK_MAKENSIS ${DECK_MAKENSIS})
set(CPACK_DECK_PYTHON ${DECK_PYTHON})
set(CPACK_DECK_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/make_setup.cmake)
include(CPack)
