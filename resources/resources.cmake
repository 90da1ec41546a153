# The program's resources (icon, manifest, version block) for Windows builds.
# Include once from the top-level CMakeLists.txt, then numora_add_resources(<target>)
# compiles them into <target>; outside Windows builds it does nothing.
include_guard(GLOBAL)

set(NUMORA_RESOURCES_DIR "${CMAKE_CURRENT_LIST_DIR}")

if(WIN32)
  enable_language(RC)

  # The manifest names the architecture the program is built for.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(NUMORA_MANIFEST_ARCH amd64)
  else()
    set(NUMORA_MANIFEST_ARCH x86)
  endif()
  set(NUMORA_MANIFEST_VERSION "${PROJECT_VERSION_MAJOR}.${NUMORA_VERSION_MINOR}.0.0")
  set(NUMORA_RESOURCES_BINARY_DIR "${CMAKE_BINARY_DIR}/resources")
  configure_file("${NUMORA_RESOURCES_DIR}/numora.manifest.in"
                 "${NUMORA_RESOURCES_BINARY_DIR}/numora.manifest" @ONLY)
  # The users' guide that ships beside numora.exe.
  configure_file("${NUMORA_RESOURCES_DIR}/README-ja.txt.in"
                 "${NUMORA_RESOURCES_BINARY_DIR}/README-ja.txt" @ONLY)

  # One object library, compiled once for every executable that carries the
  # resources; it stays clear of the C++ warning flags, which windres rejects.
  add_library(numora_resources OBJECT "${NUMORA_RESOURCES_DIR}/numora.rc")
  target_include_directories(numora_resources PRIVATE
    "${PROJECT_SOURCE_DIR}/src" "${PROJECT_BINARY_DIR}/generated" "${NUMORA_RESOURCES_DIR}"
    "${NUMORA_RESOURCES_BINARY_DIR}")
  set_source_files_properties("${NUMORA_RESOURCES_DIR}/numora.rc" PROPERTIES OBJECT_DEPENDS
    "${NUMORA_RESOURCES_DIR}/numora.ico;${NUMORA_RESOURCES_BINARY_DIR}/numora.manifest;${PROJECT_SOURCE_DIR}/src/shell/ids.h;${PROJECT_BINARY_DIR}/generated/numora_version.h")
endif()

function(numora_add_resources target)
  if(WIN32)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:numora_resources>)
  endif()
endfunction()
