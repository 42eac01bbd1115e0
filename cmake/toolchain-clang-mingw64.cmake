# 64-bit Windows with clang and lld, on mingw-w64's headers and import libraries and GCC's mingw
# runtime libraries (the POSIX threads flavour, whose C++ library needs winpthread: -lpthread).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_SYSROOT /usr/x86_64-w64-mingw32)

# GCC's runtime for the target: the newest POSIX-threads version installed. clang does not find
# its C++ headers by itself.
file(GLOB QZ_MINGW_GCC_DIRS /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
list(SORT QZ_MINGW_GCC_DIRS COMPARE NATURAL)
list(POP_BACK QZ_MINGW_GCC_DIRS QZ_MINGW_GCC)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES "${QZ_MINGW_GCC}/include/c++"
    "${QZ_MINGW_GCC}/include/c++/x86_64-w64-mingw32" "${QZ_MINGW_GCC}/include/c++/backward")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${QZ_MINGW_GCC} -lpthread")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/run-wine.sh")
