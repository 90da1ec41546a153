# numora-build.sh in the build folder: what the scripts use of this build, for them
# to source, so that they need not know where a build puts its files.
# Include from the top-level CMakeLists.txt once every target is made.
set(NUMORA_SCRIPT_PATHS "NUMORA_VERSION='${PROJECT_VERSION}'\n")
if(WIN32)
  get_property(benchmarks GLOBAL PROPERTY NUMORA_BENCHMARKS)
  list(TRANSFORM benchmarks REPLACE "(.+)" "'$<TARGET_FILE:\\1>'")
  list(JOIN benchmarks " " benchmarks)
  string(APPEND NUMORA_SCRIPT_PATHS
    "NUMORA_EXE='$<TARGET_FILE:numora>'\n"
    "NUMORA_GUIDE='${NUMORA_RESOURCES_BINARY_DIR}/README-ja.txt'\n"
    "NUMORA_WAIT_FOR_WINDOW='$<TARGET_FILE:wait_for_window>'\n"
    "NUMORA_BENCHMARKS=(${benchmarks})\n")
endif()
file(GENERATE OUTPUT "${PROJECT_BINARY_DIR}/numora-build.sh" CONTENT
  "# Made by CMake: where this build puts what the scripts use.\n${NUMORA_SCRIPT_PATHS}")
