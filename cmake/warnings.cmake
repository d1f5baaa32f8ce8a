# octant_pi_warnings(target): the warnings that the project's own code keeps clean.
function(octant_pi_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wdouble-promotion
    -Wold-style-cast -Wcast-qual -Wformat=2 -Wundef -Wnull-dereference
    $<$<BOOL:${OCTANT_PI_WERROR}>:-Werror>)
endfunction()
