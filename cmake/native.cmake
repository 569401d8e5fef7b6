# Native build of the window-free rules and their tests.
# Natively the sanitizers cover the rules themselves, not only their tests.
if(TAVRIX_SANITIZE)
  set(sanitize -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options(${sanitize})
  add_link_options(${sanitize})
endif()
if(TAVRIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TAVRIX_FUZZ needs clang: CC=clang CXX=clang++")
  endif()
  # Aborts on the first report so that libFuzzer sees every finding, and checks string
  # indexing that AddressSanitizer cannot see inside a string's buffer. The rules under
  # test get coverage feedback and the same checks as the targets.
  set(TAVRIX_FUZZ_CHECKS -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
  add_compile_options(-fsanitize=fuzzer-no-link ${TAVRIX_FUZZ_CHECKS})
endif()
