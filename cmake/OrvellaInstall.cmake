# What `cmake --install` puts on a machine, and the Debian package made of it.
#
#   cmake --install build --prefix /usr          (DESTDIR=... is honoured)
#   (cd build && cpack -G DEB)                    -> orvella-exporter_<version>_<arch>.deb
#
# Installed: the program, its desktop entry, its icon (full colour and
# symbolic), its AppStream metadata and its manual page. Nothing else: test
# programs, benchmarks, the screenshot tool and the sample database have no
# install rule. tests/install checks the installed tree file by file.
include(GNUInstallDirs)

set(ORVELLA_APP_ID com.Corvanex.OrvellaExporter)
set(ORVELLA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(ORVELLA_GENERATED_DIR ${CMAKE_BINARY_DIR}/desktop)

# The metadata and the manual page carry the version and its release date.
configure_file(${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}.metainfo.xml.in
  ${ORVELLA_GENERATED_DIR}/${ORVELLA_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/orvella-exporter.1.in
  ${ORVELLA_GENERATED_DIR}/orvella-exporter.1 @ONLY)
# Manual pages are installed compressed, the way man-db and Debian expect
# them; -n leaves the name and time out, so the file is the same every build.
# configure_file above reruns this step whenever the page's source changes.
find_program(ORVELLA_GZIP gzip REQUIRED)
execute_process(
  COMMAND ${ORVELLA_GZIP} -9nf ${ORVELLA_GENERATED_DIR}/orvella-exporter.1 -c
  OUTPUT_FILE ${ORVELLA_GENERATED_DIR}/orvella-exporter.1.gz
  COMMAND_ERROR_IS_FATAL ANY)

install(TARGETS orvella-exporter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}-symbolic.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps)
install(FILES ${ORVELLA_GENERATED_DIR}/${ORVELLA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORVELLA_GENERATED_DIR}/orvella-exporter.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# --- Debian package ---------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvella-exporter)
set(CPACK_PACKAGE_VENDOR Corvanex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Corvanex Support <support@corvanex.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "export the subscriptions of the Orvella feed reader to OPML")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.corvanex.com/")
# The long description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Orvella Exporter writes the subscriptions of the Orvella feed reader to an
OPML 1.0 file, for moving them to another feed reader or keeping a backup.
It quits Orvella for the export with the user's leave and opens it again
afterwards. A command line exports or lists the feeds from scripts.")
# Depends: from the shared libraries the program really links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# `gio launch` starts the reader again from its desktop entry; ORVELLA_OPENER
# names another opener where GLib's tools are missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libglib2.0-bin")
# Native windows on Wayland desktops; without it Qt uses XWayland.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
