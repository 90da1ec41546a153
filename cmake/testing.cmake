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

# The temp-folder fixture shared by the tests that touch real files.
if(BUILD_TESTING AND WIN32)
  add_library(numora_test_support STATIC ${PROJECT_SOURCE_DIR}/tests/support/temp_folder.cpp)
  target_include_directories(numora_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests
                                                 PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(numora_test_support PRIVATE numora_options)
endif()

# numora_add_test(NAME SOURCES ... LIBRARIES ...): one test program, one ctest entry.
function(numora_add_test name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(WIN32)
    # -municode programs start at wmain, which gtest_main does not provide.
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/gtest_wmain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest numora_options)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest_main numora_options)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
