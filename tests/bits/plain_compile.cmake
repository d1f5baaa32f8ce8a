# cmake -P: the estimator's sources compiled as plain files, the way another project that
# vendors them would: each src/*.cpp but main.cpp with `-c`, CXX and FLAGS alone (none of this
# project's options), linked with the bits printer.
#   EXPECT=exact    the printer, run through EMULATOR if given, reproduces DATA bit for bit
#   EXPECT=refused  the compile stops with MESSAGE, one of src/binary64.hpp's errors
#   EXPECT=built    the printer is compiled and linked, to be run elsewhere (WORK_DIR/print_bits)
# Arguments (-D): SOURCE_DIR WORK_DIR CXX FLAGS [LINK_FLAGS] EXPECT [MESSAGE] DATA [EMULATOR]
# [SUFFIX]; CXX, FLAGS, LINK_FLAGS and EMULATOR are command lines.
foreach(var CXX FLAGS LINK_FLAGS EMULATOR)
  separate_arguments(${var} UNIX_COMMAND "${${var}}")
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB sources ${SOURCE_DIR}/src/*.cpp)
list(REMOVE_ITEM sources ${SOURCE_DIR}/src/main.cpp)
list(APPEND sources ${SOURCE_DIR}/tests/bits/print_bits.cpp)
set(objects "")
set(log "")
foreach(source IN LISTS sources)
  get_filename_component(name ${source} NAME_WE)
  execute_process(COMMAND ${CXX} ${FLAGS} -I${SOURCE_DIR}/src -c ${source} -o ${WORK_DIR}/${name}.o
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  string(APPEND log "${out}")
  if(NOT status EQUAL 0)
    break()
  endif()
  list(APPEND objects ${WORK_DIR}/${name}.o)
endforeach()

if(EXPECT STREQUAL "refused")
  if(status EQUAL 0)
    message(FATAL_ERROR "compiled with ${FLAGS}; expected the error \"${MESSAGE}\"")
  endif()
  string(FIND "${log}" "${MESSAGE}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the compile failed, but not with \"${MESSAGE}\":\n${log}")
  endif()
  message(STATUS "refused as expected: ${MESSAGE}")
  return()
endif()

if(NOT status EQUAL 0)
  message(FATAL_ERROR "the plain compile failed:\n${log}")
endif()
set(program ${WORK_DIR}/print_bits${SUFFIX})
execute_process(COMMAND ${CXX} ${FLAGS} ${objects} ${LINK_FLAGS} -o ${program}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "linking the bits printer failed:\n${out}")
elseif(EXPECT STREQUAL "built")
  return()
endif()
execute_process(COMMAND ${EMULATOR} ${program} INPUT_FILE ${DATA}
                RESULT_VARIABLE status OUTPUT_VARIABLE printed ERROR_VARIABLE errors)
string(REPLACE "\r" "" printed "${printed}")  # Windows' text-mode standard output
file(READ ${DATA} expected)
if(NOT status EQUAL 0 OR NOT printed STREQUAL expected)
  file(WRITE ${WORK_DIR}/printed.txt "${printed}")
  string(REGEX MATCHALL "[^\n]+" got_lines "${printed}")
  string(REGEX MATCHALL "[^\n]+" expected_lines "${expected}")
  set(differ 0)
  foreach(got want IN ZIP_LISTS got_lines expected_lines)
    if(NOT got STREQUAL want)
      math(EXPR differ "${differ} + 1")
    endif()
  endforeach()
  list(LENGTH expected_lines total)
  message(FATAL_ERROR "${differ} of ${total} bit patterns differ (exit status ${status}; "
                      "printed: ${WORK_DIR}/printed.txt)\n${errors}")
endif()
message(STATUS "every bit pattern of ${DATA} reproduced")
