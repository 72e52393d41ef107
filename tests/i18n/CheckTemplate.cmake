# cmake -DSOURCE_DIR=... -DOUTPUT=... -DMSGCMP=... -P CheckTemplate.cmake
#
# Fails unless the committed template holds exactly the marked texts of the
# sources: none missing from it (`cmake --build build --target pot` rewrites
# it), none left in it that the sources lost.

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR} -DOUTPUT=${OUTPUT} -DVERSION=0
                        -P ${SOURCE_DIR}/cmake/EvalonExtractMessages.cmake
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the messages of the sources could not be extracted")
endif()
set(committed ${SOURCE_DIR}/po/evalon-ui.pot)
foreach(pair "${committed};${OUTPUT}" "${OUTPUT};${committed}")
    execute_process(COMMAND ${MSGCMP} -N --use-untranslated ${pair} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "po/evalon-ui.pot and the marked texts of the sources differ")
    endif()
endforeach()
