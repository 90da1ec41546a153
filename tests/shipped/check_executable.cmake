# The shipped numora.exe, not run: a PE32 GUI program for i386 importing only Windows'
# DLLs, with its version, two 16-colour icons and manifest; no time stamp or build folder.
# cmake -DOBJDUMP= -DWINDRES= -DEXE= -DVERSION=1.00 -DFOLDERS=source;build -P check_executable.cmake
cmake_minimum_required(VERSION 3.25)

# VERSION as project() has it ("1.00"): the version block's text, and its first two
# numbered fields ("1, 0").
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)$" version_parts "${VERSION}")
if(NOT version_parts)
  message(FATAL_ERROR "no MAJOR.MINOR version given: '${VERSION}'")
endif()
math(EXPR major "${CMAKE_MATCH_1}")
math(EXPR minor "${CMAKE_MATCH_2}")
string(REPLACE "." "\\." version_text "${VERSION}")

# objdump's headers, then windres writing the resources back out as a script.
# Both tools speak the locale's language; their English output is what is matched.
foreach(command "${OBJDUMP};-p;${EXE}" "${WINDRES};-J;coff;-O;rc;-i;${EXE}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANGUAGE= ${command}
                  OUTPUT_VARIABLE output RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${EXE} could not be read (build the windows preset first)")
  endif()
  string(APPEND text "${output}")
endforeach()
string(REPLACE "\"\"" "\"" text "${text}")

string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${text}")
foreach(line IN LISTS imports)
  string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll MATCHES "^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|shlwapi|ole32|version)\\.dll$")
    message(FATAL_ERROR "${EXE} imports ${dll}, which Windows does not provide")
  endif()
endforeach()

# The icon group lists each image's "width height colours" bytes, its planes and its bits per pixel.
foreach(expected "file format pei-i386" "Time/Date[ \t]+Thu Jan  1 00:00:00 1970" "Magic[ \t]+010b[ \t]+\\(PE32\\)" "Subsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)"
    "Has 2 elements" "\"\\\\040\\\\040\\\\020\\\\000\", 1, 4," "\"\\\\020\\\\020\\\\020\\\\000\", 1, 4,"  # 32x32, 16x16 at 4 bpp
    "FILEVERSION ${major}, ${minor}, 0, 0" "PRODUCTVERSION ${major}, ${minor}, 0, 0" "BLOCK \"041104B0\""
    "VALUE \"FileVersion\", \"${version_text}\"" "VALUE \"ProductVersion\", \"${version_text}\"" "VALUE \"Translation\", 0x411, 1200"
    "processorArchitecture=\"x86\"" "name=\"Microsoft\\.Windows\\.Common-Controls\" version=\"6\\.0\\.0\\.0\""
    "requestedExecutionLevel level=\"asInvoker\"" ">PerMonitorV2, PerMonitor<" "<longPathAware[^>]*>true<")
  if(NOT text MATCHES "${expected}")
    message(FATAL_ERROR "${EXE}: no '${expected}'")
  endif()
endforeach()

file(READ "${EXE}" bytes HEX)
foreach(folder IN LISTS FOLDERS)
  string(HEX "${folder}" narrow)
  string(REGEX REPLACE "(..)" "\\100" wide "${narrow}")  # as UTF-16
  foreach(form IN ITEMS "${narrow}" "${wide}")
    string(FIND "${bytes}" "${form}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${EXE} holds the path ${folder}")
    endif()
  endforeach()
endforeach()
