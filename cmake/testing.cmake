# GoogleTest as CMake finds it, else built from its source (Debian's googletest
# package, or NUMORA_GOOGLETEST_SOURCE); under a cross build Wine runs each test.
include(CTest)
find_package(GTest CONFIG QUIET)
if(BUILD_TESTING AND NOT TARGET GTest::gtest_main)
  set(NUMORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source tree")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${NUMORA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL
                   SYSTEM)
endif()

# numora_add_test(NAME [RESOURCES] SOURCES ... [WIN32_SOURCES ...] LIBRARIES ...
# [WIN32_LIBRARIES ...]): one test program and ctest entry (the WIN32_ parts in Windows
# builds; RESOURCES: the program's icon and manifest); nothing without BUILD_TESTING.
function(numora_add_test name)
  cmake_parse_arguments(ARG "RESOURCES" "" "SOURCES;WIN32_SOURCES;LIBRARIES;WIN32_LIBRARIES"
                        ${ARGN})
  if(NOT BUILD_TESTING)
    return()
  elseif(WIN32)
    list(APPEND ARG_SOURCES ${ARG_WIN32_SOURCES})
    list(APPEND ARG_LIBRARIES ${ARG_WIN32_LIBRARIES})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main numora_options)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests
                                                 ${PROJECT_SOURCE_DIR}/tools)
  if(ARG_RESOURCES)
    numora_add_resources(${name})
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()
