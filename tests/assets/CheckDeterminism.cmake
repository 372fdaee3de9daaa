# Runs assetgen twice into fresh folders and fails unless every file comes out
# byte for byte the same: the committed pictures must be reproducible.
# Expects -DASSETGEN=<path to assetgen> -DWORK=<scratch folder>.
file(REMOVE_RECURSE "${WORK}")
foreach(run first second)
    execute_process(COMMAND "${ASSETGEN}" "${WORK}/${run}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "assetgen failed on the ${run} run: ${result}")
    endif()
endforeach()
file(GLOB produced RELATIVE "${WORK}/first" "${WORK}/first/*")
list(LENGTH produced count)
if(count LESS 10)
    message(FATAL_ERROR "assetgen wrote only ${count} files: ${produced}")
endif()
foreach(name IN LISTS produced)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                            "${WORK}/first/${name}" "${WORK}/second/${name}"
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} differs between two runs")
    endif()
endforeach()
message(STATUS "${count} files identical over two runs")
