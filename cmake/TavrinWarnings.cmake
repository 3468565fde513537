# Our own code builds with warnings on, and every warning is an error.
# GCC 12 reports false buffer overflows for std::vector inserts and byte
# stores once inlined at -O2 (-Wstringop-overflow); that one check is left
# to the sanitizer build, which catches real overflows at run time.
function(tavrin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    $<$<CXX_COMPILER_ID:GNU>:-Wno-stringop-overflow>)
endfunction()
