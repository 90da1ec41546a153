# GoogleTest from the source that Debian ships, built for whichever target this is.
# Under a cross build CMAKE_CROSSCOMPILING_EMULATOR (wine) runs every test.
include(CTest)

if(BUILD_TESTING)
  set(NUMORA_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${NUMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NUMORA_SANITIZE AND NOT WIN32)
    foreach(lib gtest gtest_main)
      target_compile_options(${lib} PRIVATE -fsanitize=address,undefined)
    endforeach()
  endif()
endif()

# numora_add_test(NAME SOURCES ... [WIN32_SOURCES ...] LIBRARIES ... [WIN32_LIBRARIES ...]):
# one test program, one ctest entry; the WIN32_ parts join it in the Windows builds.
function(numora_add_test name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;WIN32_SOURCES;LIBRARIES;WIN32_LIBRARIES" ${ARGN})
  if(WIN32)
    # -municode programs start at wmain, which gtest_main does not provide.
    add_executable(${name} ${ARG_SOURCES} ${ARG_WIN32_SOURCES}
                           ${PROJECT_SOURCE_DIR}/tests/support/gtest_wmain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} ${ARG_WIN32_LIBRARIES} gtest)
  else()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE numora_options)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
