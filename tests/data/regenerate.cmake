# Runs the data generator and fails unless its output equals the committed results list byte
# for byte. Called by ctest with -DDATAGEN=<generator> -DEXPECTED=<results.tsv>
# -DOUTPUT=<scratch file>.
foreach(var DATAGEN EXPECTED OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "regenerate.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${DATAGEN}" "${OUTPUT}" RESULT_VARIABLE exitCode)
if(NOT exitCode EQUAL 0)
    message(FATAL_ERROR "${DATAGEN} failed: ${exitCode}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}"
    RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${EXPECTED} is not what the generator writes (see ${OUTPUT}); "
        "regenerate it with: datagen data/results.tsv")
endif()
message(STATUS "${EXPECTED} matches the generator's output")
