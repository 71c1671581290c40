# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (POSIX threads model, which
# the C++ standard library's threads need). Programs and tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# Appended, not set: a Qt built for Windows elsewhere (scripts/build-qt-windows) is found
# through CMAKE_PREFIX_PATH once its prefix is a root too.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(FOALIX_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${FOALIX_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${FOALIX_QT_WINDOWS})
  # Qt's tools (moc, rcc, uic) run here: Debian's own Qt of the same version.
  set(QT_HOST_PATH /usr CACHE PATH "")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# The programs carry the mingw runtime with them; Qt's DLLs need their own copies beside
# them (libstdc++, libgcc_s, libwinpthread), which the staged folder holds.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
