# Creates Powerball.dat in FOLDER from the CSV history unless a draw file is already there.
if(EXISTS "${FOLDER}/Powerball.dat")
    return()
endif()
execute_process(
    COMMAND "${CLI}" --folder "${FOLDER}" import "${CSV}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not create the draw file in ${FOLDER}")
endif()
