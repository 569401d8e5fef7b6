# Native build of the window-free code and its tests.
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
add_subdirectory(tests/native)
if(TAVRIX_FUZZ)
  add_subdirectory(tests/fuzz)
endif()
# The set-up script against stubbed package tools: a mirror that fails an index.
add_test(NAME install_script COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/install_test.sh)
