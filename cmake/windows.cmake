# tavrix.exe for 32- or 64-bit Windows: static, GUI subsystem, Shift_JIS literals.
enable_language(RC)
# The manifest asks for the common controls of the executable's own processor: a
# 64-bit program that names the x86 assembly does not start.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TAVRIX_MANIFEST_ARCH amd64)
else()
  set(TAVRIX_MANIFEST_ARCH x86)
endif()
configure_file(app/tavrix.manifest.in ${CMAKE_BINARY_DIR}/generated/tavrix.manifest @ONLY)
configure_file(app/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT)
add_link_options(-static -static-libgcc -static-libstdc++)
option(TAVRIX_PROFILE "Count where the walk's time goes (benchmark builds)" OFF)
if(TAVRIX_PROFILE)
  add_compile_definitions(TAVRIX_PROFILE=1)
endif()

add_library(tavrix_gui STATIC
  toolkit/application.cpp
  toolkit/window.cpp
  toolkit/gdi.cpp
  toolkit/scoped.cpp
  toolkit/timer.cpp
  toolkit/form.cpp
  toolkit/action.cpp
  toolkit/anchors.cpp
  toolkit/hints.cpp
  toolkit/shift_jis.cpp
  toolkit/work_areas.cpp
  components/XPGroupBox.cpp
  components/HtLabel.cpp
  platform/shell.cpp
  platform/recycle_operation.cpp
  platform/file_system.cpp
  platform/folder_watch.cpp
  platform/console.cpp
  platform/log_file.cpp
  platform/time_zone.cpp
  search/findunit.cpp
  search/search_dialog.cpp
  app/main.cpp
  app/main_editor.cpp
  app/main_commands.cpp
  app/main_settings.cpp
  app/main_footer.cpp
  app/unattended.cpp)
target_link_libraries(tavrix_gui PUBLIC tavrix_core comctl32 shell32 gdi32 user32 ole32 version)

add_executable(tavrix WIN32 app/tavrix.cpp app/tavrix.rc)
target_link_libraries(tavrix PRIVATE tavrix_gui)
add_subdirectory(bench)

# The tests need GoogleTest's sources (Debian's googletest package) and run under Wine.
set(resource_users ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/bench)
if(GTEST_SOURCE_DIR)
  add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_subdirectory(tests/windows)
  list(APPEND resource_users ${CMAKE_SOURCE_DIR}/tests/windows)
endif()
# windres names no dependencies: every program compiles its resources again when what
# they embed changes, the manifest above all.
set(embedded ${CMAKE_BINARY_DIR}/generated/tavrix.manifest ${CMAKE_BINARY_DIR}/generated/version.h
    ${CMAKE_SOURCE_DIR}/app/tavrix.ico ${CMAKE_SOURCE_DIR}/app/findfolder.avi)
set_source_files_properties(app/tavrix.rc DIRECTORY ${resource_users}
                            PROPERTIES OBJECT_DEPENDS "${embedded}")
# The release, made twice from clones of the commit and compared (scripts/release.sh);
# the 64-bit one alone, to keep the suite short.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_test(NAME release COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/release_test.sh)
  set_tests_properties(release PROPERTIES TIMEOUT 900)
endif()
