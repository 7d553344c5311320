# The warnings every target of this project is compiled with, in one place.
# WJ_WERROR makes them errors: make test turns it on, and so CI does.
# Third-party headers come from system include directories (Debian's
# /usr/include, or imported targets' -isystem), so their warnings do not count.
option(WJ_WERROR "Treat compiler warnings as errors" OFF)

set(WJ_WARNINGS
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
  -Wnon-virtual-dtor -Woverloaded-virtual)

function(wj_warnings)
  foreach(target IN LISTS ARGN)
    target_compile_options(${target} PRIVATE ${WJ_WARNINGS} $<$<BOOL:${WJ_WERROR}>:-Werror>)
  endforeach()
endfunction()
