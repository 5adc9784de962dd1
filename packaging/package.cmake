# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` (or `cpack`) in the build folder makes one Debian package of
# what `cmake --install` installs: the commands, their menu entries, icons,
# metainfo and man pages, and the package's copyright and changelog.

# Whoever builds a package for others to install names themselves here.
set(LESSON_PACKAGE_MAINTAINER "Linear-function tutorials developers <linearfunctions@users.noreply.github.com>"
    CACHE STRING "The Debian package's Maintainer, \"name <address>\"")
# Every program exits at once without these fonts (runtime/faces.h names them
# and their packages); the libraries' packages are computed from the programs.
set(LESSON_FONT_PACKAGES fonts-ipaexfont-gothic fonts-liberation2)

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${LESSON_PACKAGE_NAME})
string(SUBSTRING ${LESSON_RELEASE_DATE} 0 4 RELEASE_YEAR)
execute_process(COMMAND date -u -R -d "${LESSON_RELEASE_DATE} 00:00"
                OUTPUT_VARIABLE RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_template(packaging/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright)
configure_template(packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
                   COMMAND ${GZIP_EXECUTABLE} -9nkf ${CMAKE_BINARY_DIR}/packaging/changelog
                   DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${doc_dir})

set(commands)
foreach(program ${LESSON_PROGRAMS})
  lesson_command_name(command ${program})
  list(APPEND commands ${command})
endforeach()
list(JOIN commands ", " commands)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${LESSON_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${LESSON_DEVELOPER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard-only tutorials on linear functions for junior high school")
set(CPACK_PACKAGE_DESCRIPTION "Four interactive mathematics tutorials in Japanese for junior high
school pupils, all on linear functions, each a program of its own
(${commands}):
  Kestrel, the main course, from a review of proportion to slope,
    graphs, and domain and range;
  Plover, linear functions put to use on everyday and figure problems;
  Tern, equations in two unknowns as lines, and systems as lines that
    meet;
  Grebe, finding the equation of a line from a graph, a point and the
    slope, or two points.

The pupil uses only the keyboard: a number and Enter to choose, any key
to go on. Practice topics draw a fresh problem each time.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LESSON_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN LESSON_FONT_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_STRIP_FILES ON)
# Whatever the umask of whoever builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
include(CPack)
