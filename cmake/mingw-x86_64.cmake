# Cross build for 64-bit Windows: how the program is exercised on machines that
# cannot execute 32-bit code. It also catches pointer-size mistakes.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(NUMORA_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
