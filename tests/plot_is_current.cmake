# cmake -P: the committed convergence plot SVG shows this program's twenty estimates and was
# drawn by the committed script. The script ends the SVG with a comment that holds the points it
# plotted and its own SHA-256; both must match. gnuplot's own bytes, which change from version to
# version, are not compared.
# Arguments (-D): PROGRAM [EMULATOR] SCRIPT SVG; EMULATOR is a command line.
separate_arguments(EMULATOR UNIX_COMMAND "${EMULATOR}")
execute_process(COMMAND ${EMULATOR} ${PROGRAM} INPUT_FILE /dev/null OUTPUT_VARIABLE output
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed: ${status}")
endif()
string(REGEX MATCHALL "count= *[0-9]+  pi= *[0-9.]+" lines "${output}")
set(points "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "count= *([0-9]+)  pi= *([0-9.]+)" "\\1 \\2\n" point "${line}")
  string(APPEND points "${point}")
endforeach()
list(LENGTH lines count)
if(NOT count EQUAL 20)
  message(FATAL_ERROR "${PROGRAM} printed ${count} estimates, not 20")
endif()

file(READ ${SVG} svg)
if(NOT svg MATCHES "<!-- drawn by docs/plot_convergence.sh, sha256 ([0-9a-f]+)\nplotted points, chords and estimate:\n([^-]*)-->")
  message(FATAL_ERROR "${SVG} does not say which script drew it and from which points")
endif()
set(drawn_by ${CMAKE_MATCH_1})
set(plotted "${CMAKE_MATCH_2}")
file(SHA256 ${SCRIPT} script_hash)
if(NOT drawn_by STREQUAL script_hash)
  message(FATAL_ERROR "${SVG} was drawn by another version of ${SCRIPT}; run it again")
endif()
if(NOT plotted STREQUAL points)
  message(FATAL_ERROR "${SVG} plots other points than the program prints; run ${SCRIPT} again.\n"
                      "plotted:\n${plotted}program:\n${points}")
endif()
message(STATUS "${SVG}: the program's twenty points, drawn by this ${SCRIPT}")
