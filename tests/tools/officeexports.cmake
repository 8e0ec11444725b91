# Writes the repository's results list in the forms an examination office's Excel exports it
# (officeexports.py) and checks that the table builder compiles the one named by FORM into
# exactly the table that the host's builder compiles from the list itself. The first line of
# each table names the list it came from; every other byte must be the same. Called by ctest with
# -DPYTHON=<python3> -DSCRIPT=<officeexports.py> -DLIST=<data/results.tsv> -DFORM=<file name>
# -DHOST_BUILDER=<tablebuilder> -DBUILDER=<the builder under test> -DDIR=<scratch folder>, and
# -DEMULATOR=<command> when the builder under test is a Windows program run under Wine, which
# sees the host's folders as drive Z:. With -DSAVE_AS=<path under DIR> the export is saved again
# under that name first, as a clerk names it (Chinese, with spaces, in such folders), and the
# table is written beside it.
foreach(var PYTHON SCRIPT LIST FORM HOST_BUILDER BUILDER DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "officeexports.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
execute_process(COMMAND "${PYTHON}" "${SCRIPT}" "${LIST}" "${DIR}" COMMAND_ERROR_IS_FATAL ANY)

set(export "${DIR}/${FORM}")
if(DEFINED SAVE_AS)
    set(export "${DIR}/${SAVE_AS}")
    get_filename_component(folder "${export}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${DIR}/${FORM}" "${export}")
endif()
get_filename_component(exportName "${export}" NAME)

get_filename_component(listName "${LIST}" NAME)
execute_process(COMMAND "${HOST_BUILDER}" "${LIST}" "${DIR}/${listName}.cpp" OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)

set(drive "")
if(DEFINED EMULATOR)
    set(drive "Z:")
endif()
execute_process(
    COMMAND ${EMULATOR} "${BUILDER}" "${drive}${export}" "${drive}${export}.cpp"
    RESULT_VARIABLE exitCode
    OUTPUT_VARIABLE summary
    ERROR_VARIABLE problems)
message(STATUS "${summary}")
if(NOT exitCode EQUAL 0)
    message(FATAL_ERROR "the builder refused ${FORM} (${exitCode}):\n${problems}")
endif()

file(READ "${DIR}/${listName}.cpp" expected)
file(READ "${export}.cpp" actual)
string(FIND "${expected}" "\n" expectedEnd)
string(FIND "${actual}" "\n" actualEnd)
string(SUBSTRING "${expected}" ${expectedEnd} -1 expectedTable)
string(SUBSTRING "${actual}" ${actualEnd} -1 actualTable)
string(SUBSTRING "${actual}" 0 ${actualEnd} actualFirstLine)
# The table names its list in ASCII, any other byte as "?".
string(REGEX REPLACE "[^ -~]" "?" shownName "${exportName}")
string(FIND "${actualFirstLine}" "from ${shownName}." namedAt)
if(namedAt EQUAL -1)
    message(FATAL_ERROR "the table from ${FORM} starts: ${actualFirstLine}")
endif()
if(NOT actualTable STREQUAL expectedTable)
    message(FATAL_ERROR "${export}.cpp is not the table of ${LIST} "
        "(${DIR}/${listName}.cpp)")
endif()
message(STATUS "${FORM} compiles to the table of ${listName}")
