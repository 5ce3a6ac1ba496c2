# `zep build` as a user runs it: a task from JSON, the same task from a workbook, refusals that write
# nothing, correction, a new task from another task's data, and handing over at once.
# Variables: ZEP (the program), FIXTURES (tests/fixtures/workbooks), WORK (a scratch folder).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(zep_build expected_rc)
  execute_process(COMMAND ${ZEP} build ${ARGN} --lang rus
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "zep build ${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_match text pattern what)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${what}: \"${pattern}\" not in:\n${text}")
  endif()
endfunction()

set(W1 "${WORK}/typed")
set(W2 "${WORK}/imported")

zep_build(0 "${FIXTURES}/plain.task.json" --workspace "${W1}")
expect_match("${out}" "saved task WBPLN1" "a new task")

# The same code again: step 1 refuses, nothing more is written.
zep_build(1 "${FIXTURES}/plain.task.json" --workspace "${W1}")
expect_match("${err}" "step 1 \\(txtShifr\\), refused: " "a registered code")

# The workbook of the same task gives the same files.
zep_build(0 "${FIXTURES}/plain.xls" --workspace "${W2}")
foreach(f zep_WBPLN1.dat zep_WBPLN1_in.dat)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${W1}/Data/${f}" "${W2}/Data/${f}" RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    message(FATAL_ERROR "${f} differs between the typed and the imported task")
  endif()
endforeach()

# Schema errors name the key.
file(WRITE "${WORK}/bad.json" "{\"code\": \"BAD001\", \"colour\": \"red\"}")
zep_build(1 "${WORK}/bad.json" --workspace "${W1}")
expect_match("${err}" "key \"colour\": unknown key" "an unknown key")

# Correction: the entry is updated, not added.
file(WRITE "${WORK}/rename.json" "{\"name\": \"Renamed\"}")
zep_build(0 --correct WBPLN1 "${WORK}/rename.json" --workspace "${W1}")
execute_process(COMMAND ${ZEP} list --workspace "${W1}" OUTPUT_VARIABLE listing)
expect_match("${listing}" "WBPLN1[^\n]*Renamed" "the corrected entry")
string(REGEX MATCHALL "WBPLN1" entries "${listing}")
list(LENGTH entries n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "the corrected task is registered ${n} times:\n${listing}")
endif()

# Another task's data, under a new code, solved at once.
file(WRITE "${WORK}/copy.json" "{\"code\": \"WBCOPY\", \"name\": \"Copy\", \"thresholds\": [9], \"solveAtOnce\": true}")
zep_build(0 --from WBPLN1 "${WORK}/copy.json" --workspace "${W1}")
expect_match("${out}" "handed over to" "solving at once")
if(NOT EXISTS "${W1}/Solving/zep_WBCOPY_in.dat")
  message(FATAL_ERROR "the copied task was not handed over")
endif()

# Usage.
zep_build(2 --workspace "${W1}")
