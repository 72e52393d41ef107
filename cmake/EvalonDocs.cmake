# The docs target: the API reference of every exported class, from the
# comments in the headers, and docs/embedding.md as its first page, into
# <build>/docs/html. Any Doxygen warning fails the target, so an exported
# class without its comments cannot slip in. Not part of the default build.

find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
    return()
endif()

# The headers that declare an exported class, and the export macros Doxygen
# must read as nothing.
function(evalon_configure_docs)
    get_property(libraries GLOBAL PROPERTY EVALON_INSTALLED_LIBRARIES)
    set(inputs "")
    set(macros "")
    foreach(library IN LISTS libraries)
        string(TOUPPER ${library} upper)
        list(APPEND macros ${upper}_EXPORT=)
        get_target_property(folders ${library} EVALON_HEADER_FOLDERS)
        foreach(folder IN LISTS folders)
            file(GLOB headers ${PROJECT_SOURCE_DIR}/${folder}/*.h)
            foreach(header IN LISTS headers)
                file(STRINGS ${header} exported REGEX "^(class|struct) ${upper}_EXPORT ")
                if(exported)
                    list(APPEND inputs ${header})
                endif()
            endforeach()
        endforeach()
    endforeach()
    list(JOIN inputs " \\\n    " EVALON_DOXYGEN_INPUT)
    list(JOIN macros " " EVALON_DOXYGEN_EXPORT_MACROS)
    configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${PROJECT_BINARY_DIR}/docs/Doxyfile @ONLY)
endfunction()
evalon_configure_docs()

add_custom_target(docs
    COMMAND Doxygen::doxygen ${PROJECT_BINARY_DIR}/docs/Doxyfile
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "API reference in ${PROJECT_BINARY_DIR}/docs/html"
    VERBATIM)
