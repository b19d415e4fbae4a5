# Warnings for the project's own targets; errors when CI is set, so a warning never lands.
function(korrelang_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor
                                             -Woverloaded-virtual)
    if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "" AND NOT "$ENV{CI}" STREQUAL "false")
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The C++ that qmlcachegen writes for a QML module is generated code, not ours to fix: it is
# compiled without warnings (the module's own sources keep them).
function(korrelang_quiet_qml_cache target)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "/\\.rcc/qmlcache/[^/]*\\.cpp$")
    if(sources)
        set_source_files_properties(${sources} TARGET_DIRECTORY ${target}
                                    PROPERTIES COMPILE_OPTIONS "-w")
    endif()
endfunction()
