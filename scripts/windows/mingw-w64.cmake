# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# the libraries of the prefix QUILLROUTE_WINDOWS_PREFIX (scripts/windows/
# third-party.sh), and the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# The environment's list, when given, replaces the one a build folder keeps
# (once Qt is in the cache, it joins the list).
if(DEFINED ENV{QUILLROUTE_WINDOWS_PREFIX})
  set(QUILLROUTE_WINDOWS_PREFIX "$ENV{QUILLROUTE_WINDOWS_PREFIX}" CACHE STRING
      "Where the Windows builds of the third-party libraries are installed" FORCE)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${QUILLROUTE_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their C and C++ runtimes, so Wine needs no DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
