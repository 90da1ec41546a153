# The program's resources (icon, manifest, version block) for Windows builds.
#
# Include this file once from the top-level CMakeLists.txt, at file scope and
# before the targets that use it, then:
#   numora_add_resources(<target>)   compiles the resources into <target>
#   numora_add_resource_tests()      adds the tests that check them
# numora_add_resources does nothing outside Windows builds; there the tests
# shrink to the icon generator's own checks.
include_guard(GLOBAL)

set(NUMORA_RESOURCES_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(NUMORA_ICON_MAPS "${NUMORA_RESOURCES_DIR}/icon/numora_32.txt"
                     "${NUMORA_RESOURCES_DIR}/icon/numora_16.txt")

if(WIN32)
  enable_language(RC)

  if(NOT CMAKE_OBJCOPY)
    find_program(CMAKE_OBJCOPY NAMES ${_CMAKE_TOOLCHAIN_PREFIX}objcopy objcopy REQUIRED)
  endif()

  set(NUMORA_RESOURCES_BINARY_DIR "${CMAKE_BINARY_DIR}/resources")
  set(numora_icon "${NUMORA_RESOURCES_BINARY_DIR}/numora.ico")
  add_custom_command(
    OUTPUT "${numora_icon}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${NUMORA_RESOURCES_BINARY_DIR}"
    COMMAND "${CMAKE_COMMAND}" "-DMAPS=${NUMORA_ICON_MAPS}" "-DOUTPUT=${numora_icon}"
            "-DOBJCOPY=${CMAKE_OBJCOPY}" -P "${NUMORA_RESOURCES_DIR}/icon/make_icon.cmake"
    DEPENDS "${NUMORA_RESOURCES_DIR}/icon/make_icon.cmake" ${NUMORA_ICON_MAPS}
    COMMENT "Generating numora.ico"
    VERBATIM)

  # One object library, compiled once for every executable that carries the
  # resources; it stays clear of the C++ warning flags, which windres rejects.
  add_library(numora_resources OBJECT "${NUMORA_RESOURCES_DIR}/numora.rc" "${numora_icon}")
  target_include_directories(numora_resources PRIVATE
    "${NUMORA_RESOURCES_DIR}/../src" "${NUMORA_RESOURCES_DIR}" "${NUMORA_RESOURCES_BINARY_DIR}")
  set_source_files_properties("${NUMORA_RESOURCES_DIR}/numora.rc" PROPERTIES
    OBJECT_DEPENDS "${numora_icon};${NUMORA_RESOURCES_DIR}/numora.manifest;${NUMORA_RESOURCES_DIR}/../src/shell/resource_ids.h")
endif()

function(numora_add_resources target)
  if(WIN32)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:numora_resources>)
  endif()
endfunction()

function(numora_add_resource_tests)
  if(NOT BUILD_TESTING)
    return()
  endif()
  set(tests "${NUMORA_RESOURCES_DIR}/tests")

  # The icon generator's own checks need no Windows and run in either build.
  if(CMAKE_OBJCOPY)
    add_test(NAME numora_icon_generator_test
      COMMAND "${CMAKE_COMMAND}" "-DGENERATOR=${NUMORA_RESOURCES_DIR}/icon/make_icon.cmake"
              "-DOBJCOPY=${CMAKE_OBJCOPY}" "-DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/icon_generator_test"
              -P "${tests}/icon_generator_test.cmake")
  endif()
  if(NOT WIN32)
    return()
  endif()

  numora_add_test(numora_resources_test
    SOURCES
      "${tests}/resource_data.cpp"
      "${tests}/version_resource_test.cpp"
      "${tests}/icon_resource_test.cpp"
      "${tests}/manifest_resource_test.cpp"
    LIBRARIES version gdi32 user32)
  target_include_directories(numora_resources_test PRIVATE
    "${NUMORA_RESOURCES_DIR}/../src" "${tests}")
  numora_add_resources(numora_resources_test)
endfunction()
