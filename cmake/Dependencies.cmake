# libpng (with zlib) and libmpg123/libsyn123/libout123, cross-built by
# scripts/bootstrap into .deps/<triplet>/; on a native Windows build the
# same libraries come from the toolchain's own packages (MSYS2, vcpkg).

set(DECK_DEPS_PREFIX "${PROJECT_SOURCE_DIR}/.deps/${TRIPLET}" CACHE PATH "where the cross-built dependencies live")
list(PREPEND CMAKE_PREFIX_PATH "${DECK_DEPS_PREFIX}")

# The static zlib: Windows has no zlib1.dll, and the programs must run
# without any DLL beside them.
set(ZLIB_USE_STATIC_LIBS ON)
if(ZLIB_LIBRARY_RELEASE MATCHES "\\.dll\\.a$")  # found by a build folder's earlier run
  unset(ZLIB_LIBRARY_RELEASE CACHE)
endif()
find_package(ZLIB REQUIRED)
find_path(PNG_INCLUDE png.h REQUIRED)
find_library(PNG_LIB NAMES png16 png REQUIRED)
add_library(deps_png INTERFACE)
target_include_directories(deps_png INTERFACE ${PNG_INCLUDE})
target_link_libraries(deps_png INTERFACE ${PNG_LIB} ZLIB::ZLIB)

find_path(MPG123_INCLUDE mpg123.h REQUIRED)
find_library(MPG123_LIB mpg123 REQUIRED)
find_library(SYN123_LIB syn123 REQUIRED)
find_library(OUT123_LIB out123 REQUIRED)
add_library(deps_mpg123 INTERFACE)
target_include_directories(deps_mpg123 INTERFACE ${MPG123_INCLUDE})
target_link_libraries(deps_mpg123 INTERFACE ${OUT123_LIB} ${SYN123_LIB} ${MPG123_LIB} shlwapi winmm)

# libsndfile (the WAV path, no external codec libraries), cross-built the same way.
find_path(SNDFILE_INCLUDE sndfile.h REQUIRED)
find_library(SNDFILE_LIB sndfile REQUIRED)
add_library(deps_sndfile INTERFACE)
target_include_directories(deps_sndfile INTERFACE ${SNDFILE_INCLUDE})
target_link_libraries(deps_sndfile INTERFACE ${SNDFILE_LIB})

# TiMidity with the patches in patches/timidity/ and our SDL stand-in header,
# built by scripts/bootstrap into .deps/<triplet>/.
find_path(TIMIDITY_INCLUDE timidity/timidity.h REQUIRED)
find_library(TIMIDITY_LIB timidity REQUIRED)
add_library(deps_timidity INTERFACE)
target_include_directories(deps_timidity INTERFACE ${TIMIDITY_INCLUDE})
target_link_libraries(deps_timidity INTERFACE ${TIMIDITY_LIB})
