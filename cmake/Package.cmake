# What a release zip holds and how CPack writes it. `make package` runs
# CPack in each triplet's build folder; the zip's one top folder is the
# package's name, e.g. deckplayer-1.0.0-win64.

# The programs, and what they read from their working directory.
install(TARGETS deckplayer deckplayer-mini RUNTIME DESTINATION .)
install(FILES skin/records/ровел2.png skin/records/ровел_мини4.png DESTINATION .)

# Texts for Windows users, with CR LF line ends for every editor there.
install(CODE "
  set(DECK_SOURCE_DIR [[${PROJECT_SOURCE_DIR}]])
  include([[${PROJECT_SOURCE_DIR}/cmake/install_texts.cmake]])")

# Something to open at once: the generated demo tracks.
find_program(DECK_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(DECK_PYTHON python3)
install(CODE "
  execute_process(
    COMMAND [[${DECK_PYTHON}]] [[${PROJECT_SOURCE_DIR}/tools/demo-media/make_demo_media.py]]
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/demo\"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME deckplayer)
set(CPACK_PACKAGE_VENDOR "the deckplayer developers")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
