# Cross toolchain for Windows with Debian's MinGW-w64, shared by both builds: the
# file that includes this sets TAVRIX_TRIPLET, CMAKE_SYSTEM_PROCESSOR and
# TAVRIX_WINE_LOADER, the Wine loader of the same word size.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TAVRIX_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRIX_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVRIX_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAVRIX_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests run under the loader itself, never Debian's "wine" script, which always takes
# the 32-bit one. WINELOADER tells Wine which loader starts child processes. Code
# page 932 comes from each Wine process's own locale variables.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all
    WINELOADER=${TAVRIX_WINE_LOADER} ${TAVRIX_WINE_LOADER})
