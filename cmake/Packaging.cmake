# Installing the programs as a Linux program is laid out (cmake --install), and the Debian package
# made from the same rules (cpack -G DEB in the build folder).
include(GNUInstallDirs)
set(KORVENA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/korvena-tools)

# Every program in one folder: the host finds the tools beside itself.
install(TARGETS solvesetup curvedit convset loadentry bcviewer curveplot curveplotb shakeplay shakeplay-export
                korvena-host
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The README with what it links to, in the same places relative to it.
install(FILES README.md DESTINATION ${KORVENA_DOC_DIR})
install(FILES host/README.md DESTINATION ${KORVENA_DOC_DIR}/host)
install(FILES docs/beam.inp docs/beam.gif DESTINATION ${KORVENA_DOC_DIR}/docs)
install(DIRECTORY docs/pictures DESTINATION ${KORVENA_DOC_DIR}/docs)

# Manual pages, compressed as Debian keeps them.
set(KORVENA_MAN_PAGES korvena-host shakeplay shakeplay-export)
set(KORVENA_COMPRESSED_MAN_PAGES)
foreach(page IN LISTS KORVENA_MAN_PAGES)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.1)
  set(compressed ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                     COMMAND gzip -9 -n -c ${source} > ${compressed}
                     DEPENDS ${source} VERBATIM)
  list(APPEND KORVENA_COMPRESSED_MAN_PAGES ${compressed})
endforeach()
add_custom_target(korvena_man_pages ALL DEPENDS ${KORVENA_COMPRESSED_MAN_PAGES})
install(FILES ${KORVENA_COMPRESSED_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvena-tools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "korvena-tools developers <korvena-tools@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graphical tools of the Korvena finite-element analysis package")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "The dialogs and the mode-shape animation of the Korvena finite-element analysis package,\n"
       "the stand-in host korvena-host that starts them on sample data, and shakeplay-export,\n"
       "which writes the animation to GIF, PNG, MP4 or VTK files with no display.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# What the binaries link comes from dpkg-shlibdeps; beside it the dialogs' fonts and Qt's window
# system plugin, which nothing links but without which no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ffmpeg, calculix-ccx")
include(CPack)
