# RESULTS_LIST: the results list compiled into the program, results_own_list (the repository's)
# unless the configure names another. RESULTS_TSV, its older name, sets it and is then dropped
# from the cache; empty, or beside a RESULTS_LIST that names another list, it stops the configure
# rather than build in a list that was not meant. The path stays in the build's cache, so every
# later build says which list it compiles in. Included by data/CMakeLists.txt, and by
# tests/tools/resultslistoption to try it.
if(DEFINED CACHE{RESULTS_TSV})
    if(RESULTS_TSV STREQUAL "")
        message(FATAL_ERROR "RESULTS_TSV is empty. Name the list with -DRESULTS_LIST=<path> "
            "and drop the old name with -U RESULTS_TSV")
    endif()
    if(DEFINED CACHE{RESULTS_LIST} AND NOT RESULTS_LIST STREQUAL results_own_list
       AND NOT RESULTS_LIST STREQUAL RESULTS_TSV)
        message(FATAL_ERROR "RESULTS_TSV (${RESULTS_TSV}) and RESULTS_LIST (${RESULTS_LIST}) "
            "name two different lists. Name one with -DRESULTS_LIST=<path> and drop the old name "
            "with -U RESULTS_TSV")
    endif()
    set(RESULTS_LIST "${RESULTS_TSV}" CACHE FILEPATH "The results list compiled into the program"
        FORCE)
    unset(RESULTS_TSV CACHE)
endif()
set(RESULTS_LIST "${results_own_list}" CACHE FILEPATH "The results list compiled into the program")
