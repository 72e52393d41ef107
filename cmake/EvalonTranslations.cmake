# The translations of the library's and the host's texts (one catalog,
# evalon-ui, for both):
# - `cmake --build build --target pot` rewrites po/evalon-ui.pot from the
#   sources; translators start a language from it (msginit) or bring theirs
#   up to date (msgmerge --update po/LANG.po po/evalon-ui.pot);
# - every po/LANG.po is checked and compiled into the build tree as
#   share/locale/LANG/LC_MESSAGES/evalon-ui.mo, where a program run from the
#   build tree finds it, and installed in the same place under the prefix,
#   where wxTranslations looks (the Debian package carries them).

find_program(EVALON_MSGFMT msgfmt)
if(NOT EVALON_MSGFMT)
    message(FATAL_ERROR "msgfmt not found: install the Debian package gettext (scripts/lib/setup.sh does)")
endif()

set(EVALON_BUILD_LOCALE_DIR ${PROJECT_BINARY_DIR}/share/locale)

add_custom_target(pot
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUTPUT=${PROJECT_SOURCE_DIR}/po/evalon-ui.pot
            -DVERSION=${PROJECT_VERSION} -P ${CMAKE_CURRENT_LIST_DIR}/EvalonExtractMessages.cmake
    COMMENT "Writing po/evalon-ui.pot from the sources"
    VERBATIM)

file(GLOB evalon_catalogs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/*.po)
set(evalon_compiled_catalogs)
foreach(catalog IN LISTS evalon_catalogs)
    get_filename_component(language ${catalog} NAME_WE)
    set(compiled ${EVALON_BUILD_LOCALE_DIR}/${language}/LC_MESSAGES/evalon-ui.mo)
    add_custom_command(OUTPUT ${compiled}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${EVALON_BUILD_LOCALE_DIR}/${language}/LC_MESSAGES
        COMMAND ${EVALON_MSGFMT} --check -o ${compiled} ${catalog}
        DEPENDS ${catalog}
        COMMENT "Compiling the ${language} catalog"
        VERBATIM)
    list(APPEND evalon_compiled_catalogs ${compiled})
    install(FILES ${compiled} DESTINATION ${CMAKE_INSTALL_DATADIR}/locale/${language}/LC_MESSAGES)
endforeach()
add_custom_target(translations ALL DEPENDS ${evalon_compiled_catalogs})
