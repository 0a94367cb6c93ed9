# cmake -DTEMPLATE=file.in -DOUTPUT=file.gz [-DVAR=value...] [-DTOOL=telvora-tool] -P CompressedFromTemplate.cmake
#
# Fills a text template (the @VAR@s given with -D; with TOOL also @TELVORA_TOOL_COMMANDS@,
# the tool's commands as a manual page's list made from its --help, so the page
# never misses a command) and writes it compressed as Debian wants manual pages
# and changelogs: gzip -9 without a name or time stamp, so the same text gives
# the same bytes.

# One roff paragraph per command line of the --help output, which reads
# "  NAME USAGE  SUMMARY" (two or more blanks before the summary).
function(commands_from_help help out)
  string(REPLACE "\\" "\\e" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REPLACE ";" "\\;" help "${help}")
  string(REPLACE "\n" ";" lines "${help}")
  set(roff "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^  ([^ ]+)( ([^ ].*[^ ]|[^ ]))?  +([^ ].*)$")
      string(APPEND roff ".TP\n\\fB${CMAKE_MATCH_1}\\fR ${CMAKE_MATCH_3}\n${CMAKE_MATCH_4}\n")
    endif()
  endforeach()
  if(roff STREQUAL "")
    message(FATAL_ERROR "CompressedFromTemplate: no command found in the --help output of ${TOOL}")
  endif()
  set(${out} "${roff}" PARENT_SCOPE)
endfunction()

if(TOOL)
  execute_process(COMMAND "${TOOL}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "CompressedFromTemplate: ${TOOL} --help failed: ${status}")
  endif()
  commands_from_help("${help}" TELVORA_TOOL_COMMANDS)
  string(REGEX REPLACE "\n$" "" TELVORA_TOOL_COMMANDS "${TELVORA_TOOL_COMMANDS}")
endif()

get_filename_component(name "${OUTPUT}" NAME_WLE)
set(plain "${OUTPUT}.in-progress/${name}")
configure_file("${TEMPLATE}" "${plain}" @ONLY)
execute_process(COMMAND gzip -9 -n -c "${plain}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
file(REMOVE_RECURSE "${OUTPUT}.in-progress")
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "CompressedFromTemplate: gzip failed for ${OUTPUT}")
endif()
