# What `cmake --install` puts where, for a host developer and for the Debian
# package: the shared libraries, their headers under include/evalon-ui/ in the
# source layout, the evalon application, the sample assessment and the docs,
# plus the EvalonUI CMake package and evalon-ui.pc to build against them.
# Included at the end of the root CMakeLists.txt, once every target exists.

include(CMakePackageConfigHelpers)

set(EVALON_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/EvalonUI)
set(EVALON_INSTALL_SAMPLEDIR ${CMAKE_INSTALL_DATADIR}/evalon-ui/sample)

# Every library made by evalon_add_library.
get_property(evalon_libraries GLOBAL PROPERTY EVALON_INSTALLED_LIBRARIES)

# evalon_ui, the umbrella over the library's folders, has no files of its own.
install(TARGETS ${evalon_libraries} evalon_ui EXPORT EvalonUITargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Every header of a library's folders, so that a public header finds the
# headers it includes; the generated export header beside them.
foreach(library IN LISTS evalon_libraries)
    get_target_property(folders ${library} EVALON_HEADER_FOLDERS)
    foreach(folder IN LISTS folders)
        file(GLOB headers ${PROJECT_SOURCE_DIR}/${folder}/*.h)
        install(FILES ${headers} DESTINATION ${EVALON_INSTALL_INCLUDEDIR}/${folder})
    endforeach()
    get_target_property(export_header ${library} EVALON_EXPORT_HEADER)
    if(export_header)
        file(RELATIVE_PATH folder ${PROJECT_BINARY_DIR}/include ${export_header})
        get_filename_component(folder "${folder}" DIRECTORY)
        install(FILES ${export_header} DESTINATION ${EVALON_INSTALL_INCLUDEDIR}/${folder})
    endif()
endforeach()

# The application finds our libraries beside it in any prefix.
if(TARGET evalon)
    file(RELATIVE_PATH bin_to_lib ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
    set_target_properties(evalon PROPERTIES INSTALL_RPATH "$ORIGIN/${bin_to_lib}")
    install(TARGETS evalon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # What the desktop needs to know the program: its menu entry, its icon in
    # the freedesktop sizes, and the file types it opens.
    install(FILES ${PROJECT_SOURCE_DIR}/share/applications/evalon.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/share/icons/evalon.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${PROJECT_SOURCE_DIR}/share/icons/png/evalon-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME evalon.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/share/mime/evalon.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/sample/ DESTINATION ${EVALON_INSTALL_SAMPLEDIR})
# The default look of a new assessment: the sample's font, colour and pictures.
install(FILES ${PROJECT_SOURCE_DIR}/samples/looks/default/look.eva
        DESTINATION ${CMAKE_INSTALL_DATADIR}/evalon/looks/default)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/sample/pictures
        DESTINATION ${CMAKE_INSTALL_DATADIR}/evalon/looks/default)
install(FILES ${PROJECT_SOURCE_DIR}/docs/authoring.md ${PROJECT_SOURCE_DIR}/docs/embedding.md ${PROJECT_SOURCE_DIR}/docs/file-formats.md ${PROJECT_SOURCE_DIR}/docs/results.md
              ${PROJECT_SOURCE_DIR}/docs/question-dialog.png
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The API reference, when the docs target has made it.
install(DIRECTORY ${PROJECT_BINARY_DIR}/docs/html/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/api OPTIONAL)

# The CMake package: find_package(EvalonUI 0.1 REQUIRED).
install(EXPORT EvalonUITargets NAMESPACE evalon:: DESTINATION ${EVALON_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/EvalonUIConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/EvalonUIConfig.cmake
                              INSTALL_DESTINATION ${EVALON_INSTALL_CMAKEDIR}
                              PATH_VARS EVALON_INSTALL_SAMPLEDIR)
# Before 1.0 a minor release may break the interface, as the SONAME says.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/EvalonUIConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/EvalonUIConfig.cmake ${PROJECT_BINARY_DIR}/EvalonUIConfigVersion.cmake
        DESTINATION ${EVALON_INSTALL_CMAKEDIR})

# evalon-ui.pc. Debian's wxWidgets has no .pc file, so wx's flags as found here
# (wx-config's) are written into ours. The prefix is found from the .pc file's
# own place, so the installed tree may be moved.
function(evalon_write_pkg_config)
    file(RELATIVE_PATH pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
    string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
    set(cflags ${wxWidgets_CXX_FLAGS})
    foreach(dir IN LISTS wxWidgets_INCLUDE_DIRS)
        list(APPEND cflags -I${dir})
    endforeach()
    foreach(definition IN LISTS wxWidgets_DEFINITIONS)
        list(APPEND cflags -D${definition})
    endforeach()
    set(libs ${wxWidgets_LIBRARIES})
    list(REMOVE_ITEM libs "")
    list(REMOVE_DUPLICATES libs)
    list(JOIN cflags " " EVALON_PC_WX_CFLAGS)
    list(JOIN libs " " EVALON_PC_WX_LIBS)
    set(EVALON_PC_PREFIX "\${pcfiledir}/${pc_to_prefix}")
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/evalon-ui.pc.in ${PROJECT_BINARY_DIR}/evalon-ui.pc @ONLY)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/evalon-interchange.pc.in ${PROJECT_BINARY_DIR}/evalon-interchange.pc @ONLY)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/evalon-results.pc.in ${PROJECT_BINARY_DIR}/evalon-results.pc @ONLY)
endfunction()
evalon_write_pkg_config()
install(FILES ${PROJECT_BINARY_DIR}/evalon-ui.pc ${PROJECT_BINARY_DIR}/evalon-interchange.pc
              ${PROJECT_BINARY_DIR}/evalon-results.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

include(EvalonDocs)
include(EvalonPackaging)
