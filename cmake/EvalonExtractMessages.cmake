# cmake -DSOURCE_DIR=... -DOUTPUT=... -DVERSION=... -P EvalonExtractMessages.cmake
#
# Writes the message template of the library and the host: every text of
# their sources marked with wx's translation macros. Run by the `pot` target
# (into po/evalon-ui.pot, which is committed for the translators) and by the
# catalog check (into the build tree, to compare with the committed one).

find_program(XGETTEXT xgettext)
if(NOT XGETTEXT)
    message(FATAL_ERROR "xgettext not found: install the Debian package gettext (scripts/lib/setup.sh does)")
endif()

# The library's folders and the host, with the two libraries the host shows
# the messages of.
set(folders external views questions assessment assessments attributes interchange results app)
set(sources)
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${found})
endforeach()
list(SORT sources)

execute_process(
    COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8
            -k_ -kwxPLURAL:1,2 -kwxTRANSLATE -kwxGETTEXT_IN_CONTEXT:1c,2 -kwxGetTranslation
            --add-comments=TRANSLATORS: --sort-by-file
            --package-name=evalon-ui --package-version=${VERSION}
            --copyright-holder=evalon-ui\ developers --msgid-bugs-address=evalon-ui@localhost
            --directory=${SOURCE_DIR} --output=${OUTPUT} ${sources}
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "xgettext could not write ${OUTPUT}: ${errors}")
endif()
