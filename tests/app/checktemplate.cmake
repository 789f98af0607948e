# cmake -D LUPDATE=... -D OPTIONS=... -D SOURCE_LIST=... -D TEMPLATE=... -D WORK_DIR=...
#       -P checktemplate.cmake
# Collects the program's texts afresh into a copy of the template; any difference is a text
# the translations do not have, or one they still carry though the program dropped it.
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copy "${WORK_DIR}/zantoria.ts")
file(COPY_FILE "${TEMPLATE}" "${copy}")
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "@${SOURCE_LIST}" -ts "${copy}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${TEMPLATE}" "${copy}"
    RESULT_VARIABLE differs)
if(differs)
    execute_process(COMMAND diff -u "${TEMPLATE}" "${copy}" OUTPUT_VARIABLE changes)
    message(FATAL_ERROR "translations/zantoria.ts is out of date; build the update_translations "
        "and zant_res_lupdate targets and translate the new texts:\n${changes}")
endif()
