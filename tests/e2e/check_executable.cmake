# Checks the shipped numora.exe without running it: a PE32 GUI program for i386
# that imports only Windows' own DLLs, with its version block, its two 16-colour
# icon images and its manifest.
# Usage: cmake -DOBJDUMP=... -DWINDRES=... -DEXE=... -P check_executable.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${EXE}")
  message(FATAL_ERROR "${EXE} does not exist: build the windows preset first")
endif()

# Both tools speak the locale's language; their English output is what is matched.
function(read_with tool)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C LANGUAGE= ${ARGN}
                  OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${tool} could not read ${EXE}")
  endif()
  set(text "${text}" PARENT_SCOPE)
endfunction()

function(expect text)
  foreach(expected IN LISTS ARGN)
    if(NOT text MATCHES "${expected}")
      message(FATAL_ERROR "${EXE}: no '${expected}'")
    endif()
  endforeach()
endfunction()

read_with(objdump "${OBJDUMP}" -p "${EXE}")
expect("${text}" "file format pei-i386" "Magic[ \t]+010b[ \t]+\\(PE32\\)"
       "Subsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)")
set(system_dlls kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll advapi32.dll
                shell32.dll shlwapi.dll ole32.dll imm32.dll uxtheme.dll version.dll)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${text}")
if(NOT imports)
  message(FATAL_ERROR "${EXE}: no imports found")
endif()
foreach(line IN LISTS imports)
  string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${EXE} imports ${dll}, which Windows does not provide")
  endif()
endforeach()

# windres writes the resources back out as a script: the icon group lists each
# image's "width height colours" bytes, its planes and its bits per pixel.
read_with(windres "${WINDRES}" -J coff -O rc -i "${EXE}")
string(REPLACE "\"\"" "\"" text "${text}")
expect("${text}" "Has 2 elements"
  "\"\\\\040\\\\040\\\\020\\\\000\", 1, 4,"  # 32x32, 16 colours, 1 plane, 4 bpp
  "\"\\\\020\\\\020\\\\020\\\\000\", 1, 4,"  # 16x16
  "FILEVERSION 1, 0, 0, 0" "PRODUCTVERSION 1, 0, 0, 0" "BLOCK \"041104B0\""
  "VALUE \"FileVersion\", \"1\\.00\"" "VALUE \"ProductVersion\", \"1\\.00\""
  "VALUE \"Translation\", 0x411, 1200"
  "processorArchitecture=\"x86\""
  "name=\"Microsoft\\.Windows\\.Common-Controls\" version=\"6\\.0\\.0\\.0\""
  "requestedExecutionLevel level=\"asInvoker\""
  ">PerMonitorV2, PerMonitor<" "<longPathAware[^>]*>true<")
