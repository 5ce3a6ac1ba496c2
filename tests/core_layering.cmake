# The core libraries (src/task, src/optimiser, src/views, src/exact, without their ui/ folders) know
# neither the shell library nor a window: none of their files includes a header of src/shell, of a ui/
# folder or of Qt, and none of their targets links, directly or through another target, zep_shell, the
# user's operations or a *_ui library.
#   cmake -DSOURCE_DIR=<repository> -DLINKS=<core_links.txt> -P core_layering.cmake
# LINKS holds one line per core target, "target: every target it links", written at configure time.
set(problems "")

foreach(dir task optimiser views exact)
  file(GLOB_RECURSE files ${SOURCE_DIR}/src/${dir}/*.h ${SOURCE_DIR}/src/${dir}/*.cpp)
  foreach(f ${files})
    file(RELATIVE_PATH rel ${SOURCE_DIR} ${f})
    if(rel MATCHES "/ui/")
      continue()
    endif()
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(line MATCHES "[\"<](shell/[^\">]*|[^\">]*/ui/[^\">]*|Q[A-Za-z]*(/[^\">]*)?)[\">]")
        string(APPEND problems "  ${rel} includes ${CMAKE_MATCH_1}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

file(STRINGS ${LINKS} lines)
foreach(line ${lines})
  string(REGEX MATCH "^([^:]+): (.*)$" _ "${line}")
  set(target ${CMAKE_MATCH_1})
  string(REPLACE " " ";" links "${CMAKE_MATCH_2}")
  foreach(lib ${links})
    if(lib STREQUAL "zep_shell" OR lib STREQUAL "zep_user_operations" OR lib MATCHES "_ui$" OR lib MATCHES "^Qt")
      string(APPEND problems "  ${target} links ${lib}\n")
    endif()
  endforeach()
endforeach()
if(NOT lines)
  string(APPEND problems "  ${LINKS} names no core target\n")
endif()

if(problems)
  message(FATAL_ERROR "The core libraries reach above themselves:\n${problems}")
endif()
message(STATUS "The core libraries include no shell or window header and link no shell or window library")
