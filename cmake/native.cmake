# Native build of the window-free rules and their tests.
# Natively the sanitizers cover the rules themselves, not only their tests; fuzzing
# aborts on the first report so that libFuzzer sees every finding.
if(TAVRIX_SANITIZE OR TAVRIX_FUZZ)
  set(sanitize -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options(${sanitize})
  add_link_options(${sanitize})
endif()
if(TAVRIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TAVRIX_FUZZ needs clang: CC=clang CXX=clang++")
  endif()
  # The rules under test get coverage feedback too, and string indexing is checked
  # where AddressSanitizer cannot see inside a string's buffer.
  add_compile_options(-fsanitize=fuzzer-no-link -D_GLIBCXX_ASSERTIONS)
endif()
