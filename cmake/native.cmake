# Native build of the window-free code and its tests.
if(TAVRIX_SANITIZE)
  set(sanitize -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options(${sanitize})
  add_link_options(${sanitize})
endif()

add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
add_subdirectory(tests/native)
if(TAVRIX_FUZZ)
  add_subdirectory(tests/fuzz)
endif()
