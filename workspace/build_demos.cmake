# Builds the shipped workspace OUT with its demo tasks. Every task of TASKS is entered from
# SOURCE/demos/<code>.task.json by `zep build`, step by step with every check of the wizard, in the
# language of its code ("DEMR": Russian, "DEME": English); the tasks of SOLVED are then handed over,
# solved and taken over, as a user does. A task the wizard refuses stops the build with its message.
#   cmake -DZEP=... -DSOURCE=workspace -DSHELLS=bin/Shells -DOUT=... -DTASKS=A,B -DSOLVED=A -P build_demos.cmake
string(REPLACE "," ";" TASKS "${TASKS}")
string(REPLACE "," ";" SOLVED "${SOLVED}")

file(REMOVE_RECURSE "${OUT}")
foreach(dir Shells System Data Solving)
  file(MAKE_DIRECTORY "${OUT}/${dir}")
endforeach()
file(GLOB shells "${SHELLS}/Shell (ZEP 2.2).*")
file(COPY ${shells} DESTINATION "${OUT}/Shells")
file(COPY "${SOURCE}/System/Info." "${SOURCE}/System/Protocol.opt" DESTINATION "${OUT}/System")

function(run_zep code)
  if(code MATCHES "DEMR")
    set(lang rus)
  else()
    set(lang eng)
  endif()
  execute_process(COMMAND "${ZEP}" ${ARGN} --workspace "${OUT}" --lang ${lang}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "demo task ${code}: zep ${ARGN} failed (${rc}):\n${out}${err}")
  endif()
endfunction()

foreach(code IN LISTS TASKS)
  run_zep(${code} build "${SOURCE}/demos/${code}.task.json")
endforeach()
foreach(code IN LISTS SOLVED)
  run_zep(${code} hand-over ${code})
  run_zep(${code} solve --code ${code})
  run_zep(${code} take-over ${code})
endforeach()
