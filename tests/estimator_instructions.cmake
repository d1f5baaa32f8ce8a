# Fails when the estimator's functions in the linked PROGRAM (disassembled with OBJDUMP, found by
# NM) hold an instruction of the kind FORBIDDEN names:
#   x87     x87 arithmetic: fadd, fsub, fsubr, fmul, fdiv, fdivr, fsqrt, their popping (p) and
#           integer (fi...) forms
#   avx512  AVX-512: a zmm register or an opmask register k0-k7
# The linked program rather than the library's object, because under LTO the object holds no
# machine code yet.
set(x87 "[\t ]fi?(add|sub|subr|mul|div|divr)[pslt]?[\t \n]|[\t ]fsqrt[\t \n]")
set(avx512 "%zmm[0-9]+|%k[0-7][^0-9]")
execute_process(COMMAND ${NM} ${PROGRAM} OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
string(REGEX MATCHALL "[^ \t\n]*(octant_arc_length|chord_sum|walk_binade|add_chords?|add_pack_by_steps)[^ \t\n]*" names "${symbols}")
if(NOT status EQUAL 0 OR NOT names)
  message(FATAL_ERROR "no estimator function among the symbols of ${PROGRAM}")
endif()
list(REMOVE_DUPLICATES names)
get_filename_component(tool ${OBJDUMP} NAME)
if(tool MATCHES "llvm-objdump")
  set(only --disassemble-symbols=)
else()
  set(only --disassemble=)
endif()
set(listing "")
foreach(name IN LISTS names)
  execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${only}${name} ${PROGRAM}
    OUTPUT_VARIABLE part RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot disassemble ${name} in ${PROGRAM}")
  endif()
  string(APPEND listing "${part}")
endforeach()
string(REGEX MATCHALL "${${FORBIDDEN}}" found "${listing}")
if(found)
  list(LENGTH found count)
  message(FATAL_ERROR "${count} ${FORBIDDEN} instructions in ${names}: ${found}")
endif()
string(REGEX MATCHALL "\n *[0-9a-f]+:" instructions "${listing}")
list(LENGTH instructions count)
if(count EQUAL 0)
  message(FATAL_ERROR "no instructions found in ${names}")
endif()
message(STATUS "no ${FORBIDDEN} instruction among ${count} instructions of ${names}")
