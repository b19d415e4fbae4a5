# korrelang_add_gtest(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# A GoogleTest executable registered with CTest, one CTest test per executable.
function(korrelang_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    korrelang_warnings(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    else()
        set_tests_properties(${name} PROPERTIES LABELS "unit")
    endif()
endfunction()

# Where the session tests keep the spelling word stores they share.
set(KORRELANG_SHARED_SPELLING_CACHE ${CMAKE_BINARY_DIR}/spelling-cache)

# korrelang_shares_spelling_stores(<tests...>)
# Tests whose session scripts start korrelang in a fresh HOME: the scripts give it the shared
# folder of word stores ($KORRELANG_SHARED_SPELLING_CACHE), built once before them, so that no
# session spends seconds of CPU building them again while the timing-sensitive tests run.
function(korrelang_shares_spelling_stores)
    set_property(TEST ${ARGN} APPEND PROPERTY FIXTURES_REQUIRED spelling_stores)
    set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT
                 "KORRELANG_SHARED_SPELLING_CACHE=${KORRELANG_SHARED_SPELLING_CACHE}")
endfunction()
