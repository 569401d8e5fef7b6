# 32-bit Windows (x86), run under Wine's 32-bit loader (the win32 test preset).
set(TAVRIX_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
