# Helpers shared by every target of the project.

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
    target_link_libraries(${target} PUBLIC evalon_wx)
    if(EVALON_SANITIZE)
        evalon_sanitize(${target})
    endif()
    evalon_use_pch(${target})
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
