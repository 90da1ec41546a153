# Checks that the built program is a PE32 GUI program for i386 that needs no
# DLL beside it: it may import only libraries that every Windows has.
# Usage: cmake -DOBJDUMP=... -DEXE=... -P check_executable.cmake
cmake_minimum_required(VERSION 3.25)

# objdump speaks the locale's language; its English headers are what is matched.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C LANGUAGE= "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${EXE}")
endif()

foreach(expected "file format pei-i386" "Magic[ \t]+010b[ \t]+\\(PE32\\)"
                 "Subsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)")
  if(NOT headers MATCHES "${expected}")
    message(FATAL_ERROR "${EXE}: no '${expected}' in its headers")
  endif()
endforeach()

set(system_dlls kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll
                shell32.dll shlwapi.dll ole32.dll imm32.dll uxtheme.dll version.dll)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "${EXE}: no imports found")
endif()
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${EXE} imports ${dll}, which Windows does not provide")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
