# Cross-builds for 64-bit Windows with Debian's MinGW-w64.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVELLORAN_WIN32=ON ...
# The core uses std::mutex, which this GCC offers only with the POSIX
# threading model, so the -posix compilers are preferred.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(velloranMingwTriple x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${velloranMingwTriple}-g++-posix ${velloranMingwTriple}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${velloranMingwTriple}-gcc-posix ${velloranMingwTriple}-gcc)
find_program(CMAKE_RC_COMPILER NAMES ${velloranMingwTriple}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${velloranMingwTriple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
