# Fails when a suite run one function at a time (qv3307_add_test FUNCTIONS) has a test
# function that its list lacks, and so would never run.
# cmake -DSUITE=<test executable> -DFUNCTIONS=<function;...> -P ListedFunctions.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${SUITE} -functions OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${SUITE} -functions failed (${status})")
endif()
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*\\(\\)" functions "${output}")
foreach(function IN LISTS functions)
    string(REPLACE "()" "" function ${function})
    if(NOT function IN_LIST FUNCTIONS)
        message(FATAL_ERROR "${SUITE} has ${function}(), which its FUNCTIONS list lacks")
    endif()
endforeach()
