# 64-bit Windows (x64), run under Wine's 64-bit loader (the win64 test preset).
set(TAVRIX_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
