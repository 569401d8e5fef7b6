# Cross toolchain for Windows with Debian's MinGW-w64, shared by both builds: the
# file that includes this sets TAVRIX_TRIPLET and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TAVRIX_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRIX_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVRIX_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAVRIX_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests run under the loader their test preset names in WINELOADER, never Debian's
# "wine" script, which always takes the 32-bit one; the preset also gives the locale
# that makes code page 932.
set(CMAKE_CROSSCOMPILING_EMULATOR /bin/sh -c [[exec "${WINELOADER:?run the tests through their preset}" "$@"]] wine)
