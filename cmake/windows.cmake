# tavrix.exe for 32- or 64-bit Windows: static, GUI subsystem, Shift_JIS literals,
# and every target of ours built for the same Windows.
enable_language(RC)
target_compile_definitions(tavrix_options INTERFACE
  WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT
  $<$<BOOL:${TAVRIX_PROFILE}>:TAVRIX_PROFILE=1>)
target_link_options(tavrix_options INTERFACE -static -static-libgcc -static-libstdc++)
