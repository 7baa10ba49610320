# Runs tilvora-sim on a script in a fresh working folder (holding copies of the shipped
# dictionaries) and compares its replies with the expected transcript, line by line.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
file(GLOB dictionaries ${DICTIONARIES}/*.tvd)
file(COPY ${dictionaries} DESTINATION ${WORKDIR})
execute_process(
    COMMAND ${SIM} --seed ${SEED}
    INPUT_FILE ${SCRIPT}
    OUTPUT_VARIABLE replies
    ERROR_VARIABLE errors
    RESULT_VARIABLE status
    WORKING_DIRECTORY ${WORKDIR})
if(NOT status EQUAL 0)
    message(FATAL_ERROR "tilvora-sim exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT replies STREQUAL expected)
    file(WRITE ${WORKDIR}/replies.txt "${replies}")
    execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/replies.txt)
    message(FATAL_ERROR "replies differ from ${EXPECTED}")
endif()
