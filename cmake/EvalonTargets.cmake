# Helpers shared by every target of the project.

include(GNUInstallDirs)
# Where the headers of our libraries are installed, in their source layout.
set(EVALON_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/evalon-ui)

# wxWidgets as an interface target, so its flags reach only the targets that
# link it (Debian ships no wxWidgets CMake package; FindwxWidgets fills
# variables only).
function(evalon_make_wx_target)
    if(TARGET evalon_wx)
        return()
    endif()
    add_library(evalon_wx INTERFACE)
    target_include_directories(evalon_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
    target_compile_definitions(evalon_wx INTERFACE ${wxWidgets_DEFINITIONS})
    target_compile_options(evalon_wx INTERFACE ${wxWidgets_CXX_FLAGS})
    target_link_libraries(evalon_wx INTERFACE ${wxWidgets_LIBRARIES})
endfunction()

# Warnings, includes relative to the repository root, sanitizers, and the
# shared precompiled header.
function(evalon_configure_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
    # An installed library names the wx target its package config makes from
    # the consumer's own wxWidgets (see cmake/EvalonUIConfig.cmake.in).
    target_link_libraries(${target} PUBLIC $<BUILD_INTERFACE:evalon_wx> $<INSTALL_INTERFACE:evalon::wx>)
    if(EVALON_SANITIZE)
        evalon_sanitize(${target})
    endif()
    evalon_use_pch(${target})
endfunction()

# evalon_add_library(NAME [SOURCES...] [HEADER_FOLDERS folder...])
#
# The library evalon_NAME, known as evalon::NAME, built shared for hosts:
# - SONAME libevalon_NAME.so.MAJOR.MINOR: before 1.0 every minor release may
#   change the binary interface;
# - symbols hidden unless marked: the generated header Evalon<Name>Export.h
#   (in the calling folder, e.g. external/data/EvalonDataExport.h, or at the
#   include root for a library made in the root CMakeLists.txt) defines
#   EVALON_<NAME>_EXPORT, which goes on every class a host may use:
#       class EVALON_DATA_EXPORT CQuestionData
# - installed and exported in the EvalonUI package (cmake/EvalonInstall.cmake)
#   with the headers of HEADER_FOLDERS (default: the calling folder), under
#   include/evalon-ui/ with the source layout.
#
# A new library of ours needs this one call in place of add_library + ALIAS +
# evalon_configure_target, e.g. for evalon::interchange:
#     evalon_add_library(interchange ItemSource.cpp ImportReport.cpp ...)
# then EVALON_INTERCHANGE_EXPORT (from
# "interchange/EvalonInterchangeExport.h") on its public classes,
# and "///" comments on their public and protected members: the docs target
# (cmake/EvalonDocs.cmake) reads every exported class and fails on an
# undocumented one.
function(evalon_add_library name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "HEADER_FOLDERS")
    set(target evalon_${name})
    add_library(${target} SHARED ${ARG_UNPARSED_ARGUMENTS})
    add_library(evalon::${name} ALIAS ${target})
    evalon_configure_target(${target})
    # Every symbol a library uses must come from what it links: an include
    # that crosses the layering of docs/architecture.md fails here, not in a
    # host. (The sanitizer runtime is the host's, so not with sanitizers.)
    if(NOT EVALON_SANITIZE)
        target_link_options(${target} PRIVATE -Wl,--no-undefined)
    endif()
    set_target_properties(${target} PROPERTIES
        EXPORT_NAME ${name}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        # A program's RUNPATH does not serve the libraries it loads: an
        # installed library finds the others of ours beside itself.
        INSTALL_RPATH "$ORIGIN")

    # Evalon<Name>Export.h, generated beside the library's own headers so that
    # it is included the same way: relative to the repository root.
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    string(SUBSTRING ${name} 0 1 first)
    string(SUBSTRING ${name} 1 -1 rest)
    string(TOUPPER ${first} first)
    set(export_header ${PROJECT_BINARY_DIR}/include/${folder}/Evalon${first}${rest}Export.h)
    string(TOUPPER ${name} upper)
    include(GenerateExportHeader)
    generate_export_header(${target} BASE_NAME EVALON_${upper} EXPORT_FILE_NAME ${export_header})
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include>
                                                $<INSTALL_INTERFACE:${EVALON_INSTALL_INCLUDEDIR}>)

    if(NOT ARG_HEADER_FOLDERS)
        set(ARG_HEADER_FOLDERS ${folder})
    endif()
    set_property(TARGET ${target} PROPERTY EVALON_HEADER_FOLDERS ${ARG_HEADER_FOLDERS})
    set_property(TARGET ${target} PROPERTY EVALON_EXPORT_HEADER ${export_header})
    set_property(GLOBAL APPEND PROPERTY EVALON_INSTALLED_LIBRARIES ${target})
endfunction()

function(evalon_sanitize target)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
endfunction()

# One precompiled header for the wx includes, built once on evalon_data and
# reused by every other target (a PCH per target would be rebuilt each time).
function(evalon_use_pch target)
    if(NOT EVALON_PCH)
        return()
    endif()
    if(target STREQUAL "evalon_data")
        target_precompile_headers(${target} PRIVATE <wx/wx.h> <wx/xml/xml.h> <wx/filename.h>)
    else()
        target_precompile_headers(${target} REUSE_FROM evalon_data)
    endif()
endfunction()
