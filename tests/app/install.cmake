# An installation as a user meets it: `cmake --install` into a scratch prefix, the program folder made
# read-only, and the programs started from bin with XDG_DATA_HOME set: the workspace is the user's own,
# seeded with the shells and the demo tasks on first start and kept afterwards; --workspace DIR still
# wins. Run as root, the programs run as the user "nobody", to whom a read-only folder is read-only.
# Variables: BUILD (the build folder), WORK (a scratch folder), GUI (whether the desktop program is built).
cmake_minimum_required(VERSION 3.25)
if(EXISTS "${WORK}")
  file(CHMOD_RECURSE "${WORK}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  file(REMOVE_RECURSE "${WORK}")
endif()
set(prefix "${WORK}/prefix")
set(xdg "${WORK}/xdg")
set(other "${WORK}/other")

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}${err}")
endif()
set(installed bin/zep share/icons/hicolor/scalable/apps/lite_kort_zep.svg lib/lite_kort_zep/System/Protocol.opt
    "lib/lite_kort_zep/Shells/Shell (ZEP 2.2).eng" lib/lite_kort_zep/Data/zep_DEMR01_out.dat)
if(GUI)
  list(APPEND installed bin/lite_kort_zep share/applications/lite_kort_zep.desktop)
endif()
foreach(f IN LISTS installed)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "${f} was not installed")
  endif()
endforeach()
if(GUI)
  file(READ "${prefix}/share/applications/lite_kort_zep.desktop" entry)
  if(NOT entry MATCHES "\nExec=${prefix}/bin/lite_kort_zep\n" OR NOT entry MATCHES "\nIcon=lite_kort_zep\n")
    message(FATAL_ERROR "the desktop entry does not start the installed program:\n${entry}")
  endif()
endif()

file(CHMOD_RECURSE "${prefix}/lib/lite_kort_zep" FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(GLOB programs "${prefix}/lib/lite_kort_zep/zep" "${prefix}/lib/lite_kort_zep/lite_kort_zep")
file(CHMOD ${programs} PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(MAKE_DIRECTORY "${xdg}" "${other}")
file(CHMOD "${xdg}" "${other}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE
     GROUP_EXECUTE WORLD_READ WORLD_WRITE WORLD_EXECUTE)

set(as_user "")
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(uid STREQUAL "0")
  set(as_user setpriv --reuid=65534 --regid=65534 --clear-groups)
endif()

function(run_installed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${xdg} HOME=${WORK} QT_QPA_PLATFORM=offscreen
                          ${as_user} ${ARGN}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}: exit ${rc}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

if(GUI)
  run_installed("${prefix}/bin/lite_kort_zep" --help)
  if(NOT out MATCHES "--workspace")
    message(FATAL_ERROR "the installed desktop program does not start:\n${out}")
  endif()
endif()

run_installed("${prefix}/bin/zep" list --lang eng)
set(own "${xdg}/lite_kort_zep")
if(NOT out MATCHES "\nDEMR01 +solved " OR NOT out MATCHES "\nDEME03 +entered ")
  message(FATAL_ERROR "the first start does not list the demo tasks:\n${out}")
endif()
foreach(f System/Protocol.opt System/Info. "Shells/Shell (ZEP 2.2).rus" Data/zep_DEMR01_out.dat Solving)
  if(NOT EXISTS "${own}/${f}")
    message(FATAL_ERROR "the user's workspace ${own} lacks ${f}")
  endif()
endforeach()

# The user's workspace is the user's: what is done there stays.
run_installed("${prefix}/bin/zep" hand-over DEME03 --lang eng)
run_installed("${prefix}/bin/zep" list --lang eng)
if(NOT out MATCHES "\nDEME03 +handed over ")
  message(FATAL_ERROR "the user's workspace does not keep what was done in it:\n${out}")
endif()
if(NOT EXISTS "${own}/Solving/zep_DEME03_in.dat")
  message(FATAL_ERROR "the hand-over did not reach the user's Solving folder")
endif()

run_installed("${prefix}/bin/zep" list --workspace "${other}/ws" --lang eng)
if(out MATCHES "DEMR01" OR NOT EXISTS "${other}/ws/System/Protocol.opt")
  message(FATAL_ERROR "--workspace DIR is not the workspace of the run:\n${out}")
endif()
