# The x86_64 cross build compiled by Debian's clang instead of GCC, against
# the same MinGW-w64 headers and libraries and linked by lld. `make
# clang-check` builds the programs with it, warnings as errors, so that code
# only GCC accepts is caught before a native Windows build meets it. Its
# programs are for that check only: clang compiles narrow literals as UTF-8,
# not Windows-1251, so they would show the Russian texts wrongly.
set(DECK_COMPILE_CHECK ON)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)

# clang does not find this GCC by itself (its version directory is named
# "12-posix"), so the C++ library's headers and GCC's run-time libraries are
# taken from where the GCC of the same triplet has them.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                OUTPUT_VARIABLE gcc_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_dir "${gcc_libgcc}" DIRECTORY)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-windows-gnu)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-windows-gnu)
set(CMAKE_SYSROOT /usr/${TRIPLET})
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++ ${gcc_dir}/include/c++/${TRIPLET})
# GNU extensions are warnings too: clang accepts most of them silently.
set(CMAKE_C_FLAGS_INIT "-pedantic")
set(CMAKE_CXX_FLAGS_INIT "-pedantic")
# GCC's posix-thread variant links winpthread by itself; clang must be told.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -lpthread")
