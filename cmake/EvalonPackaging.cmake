# `cpack -G DEB` in the build folder: one package, evalon-ui, with the
# application, the shared libraries, the headers, the CMake and pkg-config
# files, the sample and the docs (build the docs target first to include the
# API reference). dpkg-shlibdeps reads the programs and libraries and names
# the runtime packages they load (libwxgtk3.2-1, libwxbase3.2-1, libstdc++6 ...),
# not the -dev ones a host developer installs to build against us.

set(CPACK_PACKAGE_NAME evalon-ui)
set(CPACK_PACKAGE_VENDOR "evalon-ui developers")
set(CPACK_PACKAGE_CONTACT "evalon-ui developers <evalon-ui@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "The evalon-ui libraries (assessment data, widgets, panels on wxWidgets 3.2, and question-bank interchange), their headers, CMake package and pkg-config file for host applications, and evalon, the host application for authoring and taking assessments, with a sample assessment.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Building a host needs the wx development files as well.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libwxgtk3.2-dev, cmake, pkg-config")

set(CPACK_GENERATOR DEB)
include(CPack)
