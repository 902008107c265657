# What `cmake --install` puts under the prefix, and the Debian package that
# `cpack -G DEB` makes of it (scripts/package.sh runs both).
include(GNUInstallDirs)

set(VR_HOMEPAGE "" CACHE STRING
  "https address of the project's web site; when set, the package and the AppStream data name it and the screenshots under it")

set(VR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vadaderivo)
set(VR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vadaderivo)

# The shipped data the program looks for in <prefix>/share/vadaderivo when
# its own folder has no copy.
install(FILES ${VR_PROGRAM_FILES} DESTINATION ${VR_DATA_DIR})

if(TARGET vadaderivo-cli)
  install(TARGETS vadaderivo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Debian wants man pages and changelogs compressed with gzip -9n: no name or
# time stamp in the header, so that rebuilds give the same bytes.
function(vr_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${source} ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

set(VR_GZIPPED "")
set(man_pages ${PROJECT_SOURCE_DIR}/resources/man/vadaderivo-cli.1)
if(TARGET vadaderivo)
  list(APPEND man_pages ${PROJECT_SOURCE_DIR}/resources/man/vadaderivo.1)
endif()
foreach(page IN LISTS man_pages)
  get_filename_component(name ${page} NAME)
  vr_gzip(${page} ${PROJECT_BINARY_DIR}/man/${name}.gz)
  list(APPEND VR_GZIPPED ${PROJECT_BINARY_DIR}/man/${name}.gz)
  install(FILES ${PROJECT_BINARY_DIR}/man/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

vr_gzip(${PROJECT_SOURCE_DIR}/resources/packaging/changelog.Debian
        ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz)
list(APPEND VR_GZIPPED ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz)
add_custom_target(vr_gzipped ALL DEPENDS ${VR_GZIPPED})
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz
              ${PROJECT_SOURCE_DIR}/resources/packaging/copyright
        DESTINATION ${VR_DOC_DIR})

if(TARGET vadaderivo)
  install(TARGETS vadaderivo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/vadaderivo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vadaderivo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN LISTS VR_ICON_SIZES)
    install(FILES ${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps/vadaderivo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()

  # The software centres' description. Without a web site there is nowhere
  # to show screenshots from, so they are only listed when VR_HOMEPAGE is.
  set(VR_METAINFO_HOMEPAGE "")
  if(VR_HOMEPAGE)
    string(REGEX REPLACE "/+$" "" home "${VR_HOMEPAGE}")
    set(VR_METAINFO_HOMEPAGE "<url type=\"homepage\">${home}</url>
  <screenshots>
    <screenshot type=\"default\">
      <caption>Expression lines with their results below them, and the keypad</caption>
      <image>${home}/screenshots/window.png</image>
    </screenshot>
    <screenshot>
      <caption>The graph of a function of x over an interval</caption>
      <image>${home}/screenshots/graph.png</image>
    </screenshot>
  </screenshots>")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/resources/org.vadaderivo.vadaderivo.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/metainfo/org.vadaderivo.vadaderivo.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/metainfo/org.vadaderivo.vadaderivo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The Debian package. Its dependencies are read from the binaries by
# dpkg-shlibdeps, so they follow whatever Qt and libedit the build used.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vadaderivo)
set(CPACK_PACKAGE_VENDOR "VadadeRivo maintainers")
set(CPACK_PACKAGE_CONTACT "VadadeRivo maintainers <maintainers@users.noreply.c-seed-1b5555c3.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator that evaluates typed expression lines")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(VR_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VR_HOMEPAGE}")
endif()
# The extended description, below the summary line that CPack puts first.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The main window is an editor of expression lines: type a line, press
Enter, and the result appears bold and highlighted below it. It works on
real numbers, integers, complex numbers, common fractions, times, dates
and strings, has built-in functions for trigonometry, logarithms, root
finding, integration and statistics, runs user functions from script
files, draws 2D, 3D-surface and polar graphs and converts units.
.
The package holds the window (vadaderivo) and a command-line calculator
(vadaderivo-cli) that evaluates lines exactly as the window does.")
include(CPack)
