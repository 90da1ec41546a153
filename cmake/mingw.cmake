# Shared by the MinGW-w64 toolchain files: set NUMORA_MINGW_TRIPLE first.
# The posix thread model, because GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${NUMORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NUMORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${NUMORA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NUMORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the cross-built tests under the Wine that scripts/lib/wine-env.sh
# puts first on PATH: the 32-bit one, or the 64-bit one where 32-bit code cannot run.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
