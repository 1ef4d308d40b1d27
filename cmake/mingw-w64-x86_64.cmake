# Cross-building for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTAVEK_CORE_ONLY=ON
# The posix-threads flavour of the compiler: its libstdc++ has std::thread and
# std::mutex, which GoogleTest and any later core code may use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(tavek_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${tavek_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${tavek_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${tavek_mingw}-windres)

# Headers and libraries from the mingw-w64 tree only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${tavek_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs carry their C and C++ runtimes (and winpthread) inside, so that they
# run on a Windows machine, or under wine, without mingw's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest runs the programs under Debian's wine64 when it is installed.
find_program(TAVEK_WINE wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TAVEK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVEK_WINE})
endif()
