# Fails when the Windows PROGRAM (its import table read with OBJDUMP -p) needs a DLL other than
# the system's own: KERNEL32, msvcrt and the Universal C runtime's api-ms-win-crt-* set, which
# every supported Windows has. A MinGW runtime DLL (libgcc_s, libstdc++, libwinpthread) would
# have to be shipped beside the program.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT status EQUAL 0 OR NOT imports)
  message(FATAL_ERROR "no import table read from ${PROGRAM}")
endif()
list(TRANSFORM imports REPLACE "DLL Name: " "")
set(foreign ${imports})
list(TRANSFORM foreign TOLOWER)  # Windows' file names ignore case
list(FILTER foreign EXCLUDE REGEX "^(kernel32|msvcrt|api-ms-win-crt-[a-z0-9-]+)\\.dll$")
if(foreign)
  message(FATAL_ERROR "${PROGRAM} needs DLLs that Windows lacks: ${foreign}")
endif()
message(STATUS "${PROGRAM} imports system DLLs only: ${imports}")
