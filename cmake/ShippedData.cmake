# What ships beside the executables: the sound of the tip check, the language files, the
# example click script,
# and a draw file made from the bundled history when there is none yet. An existing draw
# file is never overwritten.
add_custom_target(shipped_data ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${PROJECT_SOURCE_DIR}/data/yippee.wav ${POWERBALL_OUTPUT_DIR}/yippee.wav
    COMMAND ${CMAKE_COMMAND} -E copy_directory
        ${PROJECT_SOURCE_DIR}/data/Land ${POWERBALL_OUTPUT_DIR}/Land
    COMMAND ${CMAKE_COMMAND} -E make_directory ${POWERBALL_OUTPUT_DIR}/Script
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${PROJECT_SOURCE_DIR}/data/Script/Beispiel.vks ${POWERBALL_OUTPUT_DIR}/Script/Beispiel.vks
    COMMAND ${CMAKE_COMMAND}
        -DCLI=$<TARGET_FILE:powerball-cli>
        -DCSV=${PROJECT_SOURCE_DIR}/data/powerball-draws.csv
        -DFOLDER=${POWERBALL_OUTPUT_DIR}
        -P ${PROJECT_SOURCE_DIR}/cmake/MakeDrawFile.cmake
    DEPENDS powerball-cli
    COMMENT "Placing the draw history and the sound beside the program"
    VERBATIM)
