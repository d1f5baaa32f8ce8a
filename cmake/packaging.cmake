# Install rules and release packages (`cmake --build build --target package`): on Linux a Debian
# package for the target's architecture, and an RPM package beside the host's; with
# OCTANT_PI_STATIC a tarball of the statically linked program instead; for Windows a zip with the
# static octant_pi.exe. The packages are byte-reproducible: every timestamp in them is
# SOURCE_DATE_EPOCH, taken from the last commit unless the caller sets it, and nothing of the
# build folder's path reaches the program (see src/).
if(EMSCRIPTEN)
  return()  # the wasm build is run with node from its build folder; there is nothing to package
endif()
set(package_name octant-pi)  # Debian package names may not contain "_"

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date_epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE source_date_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0 OR source_date_epoch STREQUAL "")  # a source tree without git
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt source_date_epoch "%s" UTC)
  endif()
endif()

set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_VENDOR "the octant_pi authors")
set(CPACK_PACKAGE_CONTACT "the octant_pi authors <octant-pi@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estimate pi from polygons inscribed in the unit circle")
set(CPACK_PACKAGE_DESCRIPTION "\
octant_pi measures polygons of 5000, 10000, ... 100000 chords inscribed in one
eighth of the unit circle and prints twenty estimates of pi with thirteen
decimals, then waits for one character on standard input.
.
Every operation is rounded to IEEE 754 double precision on its own, in one
fixed order, so the program prints the same digits on every processor.")

if(WIN32)
  install(TARGETS octant_pi RUNTIME DESTINATION .)
  # Windows readers expect CR LF line ends in text files.
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows-readme.txt README.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_PACKAGE_FILE_NAME ${package_name}-${PROJECT_VERSION}-win64)
  else()
    set(CPACK_PACKAGE_FILE_NAME ${package_name}-${PROJECT_VERSION}-win32)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
elseif(OCTANT_PI_STATIC)
  # One folder with the program, its man page, the license and a readme.
  set(CPACK_PACKAGE_FILE_NAME ${package_name}-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
  install(TARGETS octant_pi RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/octant_pi.1 ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux-readme.txt DESTINATION . RENAME README)
  set(CPACK_GENERATOR TGZ)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  install(TARGETS octant_pi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Man page and changelog compressed as Debian wants them, with no name or time in the header.
  find_program(OCTANT_PI_GZIP gzip REQUIRED)
  set(docdir ${CMAKE_INSTALL_DATADIR}/doc/${package_name})
  set(inputs docs/octant_pi.1 packaging/changelog)
  set(outputs octant_pi.1.gz changelog.gz)
  foreach(input output IN ZIP_LISTS inputs outputs)
    add_custom_command(OUTPUT ${output}
      COMMAND sh -c "${OCTANT_PI_GZIP} -9 -n -c \"$1\" > \"$2\"" gzip
              ${PROJECT_SOURCE_DIR}/${input} ${output}
      DEPENDS ${PROJECT_SOURCE_DIR}/${input} VERBATIM)
    list(APPEND compressed ${PROJECT_BINARY_DIR}/${output})
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS ${compressed})
  install(FILES ${PROJECT_BINARY_DIR}/octant_pi.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
          DESTINATION ${docdir})

  # The Debian package asks for dpkg-dev only when it is built (cpack_project_config.cmake.in):
  # a configure without it, as on Fedora or Arch, leaves the package out of the default list.
  # Looked for on PATH alone, where dpkg-buildpackage would look.
  find_program(OCTANT_PI_DPKG_ARCHITECTURE dpkg-architecture NO_CMAKE_SYSTEM_PATH)
  set(CPACK_GENERATOR "")
  if(OCTANT_PI_DPKG_ARCHITECTURE)
    list(APPEND CPACK_GENERATOR DEB)
  endif()
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # octant-pi_<version>_<arch>.deb
  set(CPACK_DEBIAN_PACKAGE_SECTION math)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # dpkg-shlibdeps reads the target's C library from Debian's multiarch package of it
  # (libc6:arm64, say), which a cross build needs installed.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE_IGNORE ON)

  # An RPM package of the same files, for the host.
  find_program(OCTANT_PI_RPMBUILD rpmbuild)
  if(NOT CMAKE_CROSSCOMPILING AND OCTANT_PI_RPMBUILD)
    list(APPEND CPACK_GENERATOR RPM)
    set(CPACK_RPM_FILE_NAME RPM-DEFAULT)  # octant-pi-<version>-<release>.<arch>.rpm
    set(CPACK_RPM_PACKAGE_RELEASE 1)
    set(CPACK_RPM_PACKAGE_LICENSE MIT)
    set(CPACK_RPM_PACKAGE_GROUP "Applications/Engineering")
    set(CPACK_RPM_PACKAGE_SUMMARY "Estimate pi from polygons inscribed in the unit circle")
    string(REPLACE "\n.\n" "\n\n" CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
    # The man page folders belong to the system.
    set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/man /usr/share/man/man1)
    set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_SOURCE_DIR}/packaging/rpm-changelog)
    set(CPACK_RPM_USER_FILELIST "%doc /usr/share/doc/${package_name}/changelog.gz"
                                "%license /usr/share/doc/${package_name}/copyright")
    # rpmbuild's own reproducibility settings: build time, file times and build host from
    # SOURCE_DATE_EPOCH and fixed text, and no build-id links that name the build.
    set(CPACK_RPM_SPEC_MORE_DEFINE "\
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _buildhost reproducible
%define _build_id_links none
%define packager ${CPACK_PACKAGE_CONTACT}")
  endif()
  if(NOT CPACK_GENERATOR)
    set(CPACK_GENERATOR DEB)  # nothing else to build here: `package` asks for dpkg-dev
  endif()
endif()

set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Read by cpack for each package it builds. CPack stamps every file and archive member with
# SOURCE_DATE_EPOCH when it is in its environment. Debian's name of the target's architecture
# (amd64, arm64, armhf, ...) comes from the compiler's own triplet, so that a cross build's
# package is labelled for its target, not for the build machine.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine OUTPUT_VARIABLE triplet
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/cpack_project_config.cmake)
configure_file(${CMAKE_CURRENT_LIST_DIR}/cpack_project_config.cmake.in ${CPACK_PROJECT_CONFIG_FILE}
               @ONLY)
include(CPack)
