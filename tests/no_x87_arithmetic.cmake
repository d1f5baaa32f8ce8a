# Fails when the disassembly of OBJECT (via OBJDUMP) holds any x87 arithmetic instruction:
# fadd, fsub, fsubr, fmul, fdiv, fdivr, fsqrt, their popping (p) and integer (fi...) forms.
execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${OBJECT}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR listing STREQUAL "")
  message(FATAL_ERROR "cannot disassemble ${OBJECT}")
endif()
string(REGEX MATCHALL "[\t ]fi?(add|sub|subr|mul|div|divr)[pslt]?[\t \n]|[\t ]fsqrt[\t \n]" found "${listing}")
if(found)
  list(LENGTH found count)
  message(FATAL_ERROR "${count} x87 arithmetic instructions in ${OBJECT}: ${found}")
endif()
string(REGEX MATCHALL "\n *[0-9a-f]+:" instructions "${listing}")
list(LENGTH instructions count)
message(STATUS "no x87 arithmetic among ${count} instructions of ${OBJECT}")
