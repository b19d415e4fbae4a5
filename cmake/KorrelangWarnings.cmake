# Warnings for the project's own targets; errors when CI is set, so a warning never lands.
function(korrelang_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor
                                             -Woverloaded-virtual)
    if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "" AND NOT "$ENV{CI}" STREQUAL "false")
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
