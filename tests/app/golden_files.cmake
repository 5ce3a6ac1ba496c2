# The files the program writes for the sample tasks stay byte for byte what they were when they were
# recorded in tests/fixtures/golden: each fixture task is built, handed over, solved and taken over by
# `zep` as a user runs it, and the task file, the solver input file, the solution file and the task
# register are compared with the recorded ones. The clock-dependent fields are left out of the
# comparison: the solution header's elapsed text, end time and end date, and the four dates of every
# register entry.
# Variables: ZEP (the program), FIXTURES (tests/fixtures), WORK (a scratch folder); RECORD=1 writes the
# files into FIXTURES/golden instead (run it only on a tree whose output is known to be right).
file(REMOVE_RECURSE "${WORK}")
set(GOLDEN "${FIXTURES}/golden")
set(TASKS plain WBPLN1 decomposed WBDEC1 resources WBRES1)

function(zep)
  execute_process(COMMAND ${ZEP} ${ARGN} --workspace "${WORK}"
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "zep ${ARGN}: exit ${rc}\n${out}${err}")
  endif()
endfunction()

# The file as hex with the byte ranges of `masks` (offset;length;...) zeroed.
function(masked_hex file masks result)
  file(READ "${file}" hex HEX)
  list(LENGTH masks n)
  set(i 0)
  while(i LESS n)
    list(GET masks ${i} offset)
    math(EXPR j "${i} + 1")
    list(GET masks ${j} length)
    math(EXPR at "${offset} * 2")
    math(EXPR chars "${length} * 2")
    math(EXPR after "${at} + ${chars}")
    string(SUBSTRING "${hex}" 0 ${at} head)
    string(SUBSTRING "${hex}" ${after} -1 tail)
    string(REPEAT "0" ${chars} zeros)
    set(hex "${head}${zeros}${tail}")
    math(EXPR i "${i} + 2")
  endwhile()
  set(${result} "${hex}" PARENT_SCOPE)
endfunction()

function(expect_same name masks)
  set(written "${WORK}/${name}")
  get_filename_component(base "${name}" NAME)
  if(RECORD)
    file(COPY "${written}" DESTINATION "${GOLDEN}")
    return()
  endif()
  if(NOT EXISTS "${GOLDEN}/${base}")
    message(FATAL_ERROR "no recorded ${base} in ${GOLDEN}")
  endif()
  masked_hex("${written}" "${masks}" got)
  masked_hex("${GOLDEN}/${base}" "${masks}" want)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "${name} differs from the recorded ${GOLDEN}/${base}")
  endif()
endfunction()

list(LENGTH TASKS n)
math(EXPR last "${n} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET TASKS ${i} fixture)
  list(GET TASKS ${j} code)
  zep(build "${FIXTURES}/workbooks/${fixture}.task.json" --lang rus --yes)
  zep(hand-over ${code})
  zep(solve --code ${code} --lang rus)
  zep(take-over ${code})
  expect_same("Data/zep_${code}.dat" "")
  expect_same("Data/zep_${code}_in.dat" "")
  # elapsed (123, 41 bytes), end time and end date (176, 16 bytes)
  expect_same("Data/zep_${code}_out.dat" "123;41;176;16")
endforeach()

# Register: a 48-byte header, then 120 bytes per entry whose dates lie at 88..119.
set(dates "")
foreach(e RANGE 0 2)
  math(EXPR at "48 + ${e} * 120 + 88")
  list(APPEND dates ${at} 32)
endforeach()
expect_same("System/Protocol.opt" "${dates}")
