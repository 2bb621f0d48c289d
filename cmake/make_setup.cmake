# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) once it has staged the zip's files:
# writes the setup of the same files, with makensis, beside the zip. The
# setup gets a copy of the stage, to which it adds what only the setup
# carries (the licence of NSIS, whose stub the setup and its uninstaller
# are), so the zip stays as it is. makensis runs with warnings as errors.

set(DECK_SOURCE_DIR "${CPACK_DECK_SOURCE_DIR}")
if(NOT CPACK_DECK_MAKENSIS)
  message(FATAL_ERROR "makensis was not found; scripts/bootstrap installs it (Debian package nsis)")
endif()
if(NOT EXISTS "${CPACK_TEMPORARY_DIRECTORY}/deckplayer.exe")
  message(FATAL_ERROR "CPack's stage ${CPACK_TEMPORARY_DIRECTORY} holds no deckplayer.exe")
endif()

set(work "${CPACK_TOPLEVEL_DIRECTORY}/setup")
set(stage "${work}/stage")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${stage}")
file(COPY "${CPACK_TEMPORARY_DIRECTORY}/" DESTINATION "${stage}")
include("${DECK_SOURCE_DIR}/cmake/texts.cmake")
deck_write_licences("${stage}" setup)

execute_process(COMMAND "${CPACK_DECK_PYTHON}" "${DECK_SOURCE_DIR}/packaging/setup_files.py"
                        "${stage}" "${work}" COMMAND_ERROR_IS_FATAL ANY)

set(setup "${CPACK_PACKAGE_DIRECTORY}/${CPACK_DECK_SETUP_FILE_NAME}")
set(version4 "${CPACK_PACKAGE_VERSION_MAJOR}.${CPACK_PACKAGE_VERSION_MINOR}.${CPACK_PACKAGE_VERSION_PATCH}.0")
# makensis turns the script's UTF-8 names into the file system's through the
# locale: a UTF-8 one, whatever the caller's is.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8
                        "${CPACK_DECK_MAKENSIS}" -WX -V2 -INPUTCHARSET UTF8
                        "-DVERSION=${CPACK_PACKAGE_VERSION}" "-DVERSION4=${version4}"
                        "-DPUBLISHER=${CPACK_PACKAGE_VENDOR}"
                        "-DTARGET=${CPACK_DECK_SETUP_TARGET}" "-DLISTS=${work}"
                        "-DICON=${DECK_SOURCE_DIR}/skin/deckplayer.ico" "-DOUTFILE=${setup}"
                        "${DECK_SOURCE_DIR}/packaging/deckplayer.nsi"
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Setup: ${setup} generated.")
