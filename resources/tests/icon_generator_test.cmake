# Checks make_icon.cmake without Windows: malformed maps are refused with a
# message naming the fault, and a good map lands at the right bytes.
#
#   cmake -DGENERATOR=<make_icon.cmake> -DOBJCOPY=<objcopy> -DWORK_DIR=<dir> -P icon_generator_test.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failures 0)

function(fail case text)
  message(SEND_ERROR "${case}: ${text}")
  math(EXPR n "${failures} + 1")
  set(failures ${n} PARENT_SCOPE)
endfunction()

# A square of size rows of size characters, all c.
function(square size c out_var)
  string(REPEAT "${c}" ${size} row)
  string(REPEAT "${row}\n" ${size} map)
  set(${out_var} "${map}" PARENT_SCOPE)
endfunction()

function(run_generator maps output result_var error_var)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" "-DMAPS=${maps}" "-DOUTPUT=${output}" "-DOBJCOPY=${OBJCOPY}"
            -P "${GENERATOR}"
    RESULT_VARIABLE result
    OUTPUT_QUIET
    ERROR_VARIABLE error)
  # CMake wraps long messages: compare with all white space as single blanks.
  string(REGEX REPLACE "[ \t\r\n]+" " " error "${error}")
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${error_var} "${error}" PARENT_SCOPE)
endfunction()

# Refused maps: case name, the expected message, the map's text.
string(REPEAT "F" 16 row16)
string(REPEAT "F" 15 row15)
string(REPEAT "${row16}\n" 15 fifteen_rows)
set(bad_letter "G${row15}\n${fifteen_rows}")
set(short_first_row "${row15}\n${fifteen_rows}")
set(long_last_row "${fifteen_rows}${row16}F\n")
square(20 "0" twenty)
set(refused_cases bad_letter short_first_row long_last_row fifteen_rows twenty empty)
set(bad_letter_message "map.txt:1: only 0-9, A-F and '.'")
set(short_first_row_message "map.txt:1: 15 pixels in a map of 16 rows")
set(long_last_row_message "map.txt:16: 17 pixels in a map of 16 rows")
set(fifteen_rows_message "15 rows; a map has 16, 32 or 48")
set(twenty_message "20 rows; a map has 16, 32 or 48")
set(empty "\n\n")
set(empty_message "the map is empty")

foreach(case IN LISTS refused_cases)
  set(dir "${WORK_DIR}/${case}")
  file(WRITE "${dir}/map.txt" "${${case}}")
  run_generator("${dir}/map.txt" "${dir}/out.ico" result error)
  if(result EQUAL 0)
    fail(${case} "the generator accepted the map")
  endif()
  string(FIND "${error}" "${${case}_message}" at)
  if(at EQUAL -1)
    fail(${case} "expected the message \"${${case}_message}\", got: ${error}")
  endif()
  if(EXISTS "${dir}/out.ico")
    fail(${case} "an icon was written although the map was refused")
  endif()
endforeach()

run_generator("${WORK_DIR}/missing.txt" "${WORK_DIR}/missing.ico" result error)
if(result EQUAL 0 OR NOT error MATCHES "no such map")
  fail(missing_map "a map that does not exist was not reported: ${error}")
endif()

# A good map with three marked pixels. Rows are stored bottom-up, two pixels to
# a colour byte (left pixel in the high nibble) and eight to a mask byte (left
# pixel in the top bit, set where transparent).
string(REPEAT "." 14 dots)
string(REPEAT ".${dots}.\n" 14 middle)
set(marked ".A${dots}\n${middle}5${dots}c\n")  # (1,0) = A, (0,15) = 5, (15,15) = C
set(dir "${WORK_DIR}/good")
file(WRITE "${dir}/map.txt" "${marked}")
run_generator("${dir}/map.txt" "${dir}/out.ico" result error)
if(NOT result EQUAL 0)
  fail(good "the generator refused a good map: ${error}")
else()
  file(READ "${dir}/out.ico" hex HEX)
  string(TOUPPER "${hex}" hex)
  # 6 + 16 header bytes, 40 + 64 bitmap header and palette, 8 x 16 colour, 4 x 16 mask.
  set(image 22)
  math(EXPR colors "${image} + 40 + 64")
  math(EXPR masks "${colors} + 8 * 16")
  math(EXPR total "${masks} + 4 * 16")
  math(EXPR last_color_row "${colors} + 8 * 15")
  math(EXPR last_mask_row "${masks} + 4 * 15")
  math(EXPR last_color_byte "${colors} + 7")
  # offset, byte count, expected bytes, what they are
  set(checks
    "0|6|000001000100|file header: icon, one image"
    "6|4|10101000|16 x 16, 16 colours"
    "10|4|01000400|one plane, 4 bits"
    "18|4|16000000|image offset"
    "${image}|4|28000000|bitmap header size"
    "${colors}|1|50|bottom row, left pair"
    "${last_color_byte}|1|0C|bottom row, right pair"
    "${last_color_row}|1|0A|top row, left pair"
    "${masks}|4|7FFE0000|bottom row mask with padding"
    "${last_mask_row}|4|BFFF0000|top row mask with padding")
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  if(NOT size EQUAL total)
    fail(good "${size} bytes written, expected ${total}")
  endif()
  foreach(check IN LISTS checks)
    string(REPLACE "|" ";" fields "${check}")
    list(GET fields 0 offset)
    list(GET fields 1 count)
    list(GET fields 2 expected)
    list(GET fields 3 what)
    math(EXPR start "${offset} * 2")
    math(EXPR length "${count} * 2")
    string(SUBSTRING "${hex}" ${start} ${length} actual)
    if(NOT actual STREQUAL expected)
      fail(good "${what}: bytes ${actual} at ${offset}, expected ${expected}")
    endif()
  endforeach()
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} icon generator check(s) failed")
endif()
message(STATUS "icon generator checks passed")
