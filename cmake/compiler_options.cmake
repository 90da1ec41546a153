# Project-wide compiler settings: high warnings as errors, Unicode Win32, and a
# build that gives the same bytes wherever and whenever it runs.
add_library(numora_options INTERFACE)

target_compile_options(numora_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
  -Werror
  # No build folder's path in what is built.
  "-ffile-prefix-map=${PROJECT_BINARY_DIR}/=" "-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=")

if(WIN32)
  target_compile_definitions(numora_options INTERFACE
    UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
  if(MINGW)
    # One self-contained .exe: no libstdc++/libgcc/winpthread DLLs beside it;
    # no build time in its header.
    target_link_options(numora_options INTERFACE
      -static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)
  endif()
endif()

if(NUMORA_SANITIZE AND NOT WIN32)
  target_compile_options(numora_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(numora_options INTERFACE -fsanitize=address,undefined)
endif()

# The version as the program shows it ("1.00"), and its numbered fields.
math(EXPR NUMORA_VERSION_MINOR "${PROJECT_VERSION_MINOR}")
file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/generated/numora_version.h" @ONLY CONTENT [[
// Made by CMake from project(VERSION); read by the C++ code and the resource script.
#pragma once
#define NUMORA_VERSION_TEXT "@PROJECT_VERSION@"
#define NUMORA_VERSION_WIDE L"@PROJECT_VERSION@"
#define NUMORA_VERSION_MAJOR @PROJECT_VERSION_MAJOR@
#define NUMORA_VERSION_MINOR @NUMORA_VERSION_MINOR@
]])
target_include_directories(numora_options INTERFACE "${PROJECT_BINARY_DIR}/generated")

# Programs that start at wmain or wWinMain (the tests start at GoogleTest's main).
add_library(numora_unicode_entry INTERFACE)
if(MINGW)
  target_link_options(numora_unicode_entry INTERFACE -municode)
endif()
