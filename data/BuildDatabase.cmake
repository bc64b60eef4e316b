# Builds the reference database from its SQL sources (cmake -P).
#   SQLITE3  the sqlite3 command-line program
#   SOURCES  the SQL files, in order, separated by "|"
#   OUTPUT   the database file to produce
# The database is built in a temporary file and renamed into place only when every
# statement succeeded, so a failed build never leaves a half-built database behind.
string(REPLACE "|" ";" sources "${SOURCES}")
set(temporary "${OUTPUT}.tmp")
file(REMOVE "${temporary}")
get_filename_component(outputDir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${outputDir}")

foreach(source IN LISTS sources)
    get_filename_component(sourceDir "${source}" DIRECTORY)
    # No journal and no syncing: the file is scratch until the rename below.
    execute_process(
        COMMAND "${SQLITE3}" -bail -cmd "PRAGMA journal_mode=OFF" -cmd "PRAGMA synchronous=OFF"
                "${temporary}"
        INPUT_FILE "${source}"
        WORKING_DIRECTORY "${sourceDir}"
        RESULT_VARIABLE result
        OUTPUT_QUIET
        ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        file(REMOVE "${temporary}")
        message(FATAL_ERROR "Building ${OUTPUT} failed in ${source}:\n${errors}")
    endif()
endforeach()

file(RENAME "${temporary}" "${OUTPUT}")
