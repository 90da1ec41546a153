# Cross build for 32-bit Windows: the program that ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(NUMORA_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
