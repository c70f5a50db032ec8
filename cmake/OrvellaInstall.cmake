# What `cmake --install` puts on a machine, and the Debian package made of it.
#
#   cmake --install build --prefix /usr          (DESTDIR=... is honoured)
#   (cd build && cpack -G DEB)                    -> orvella-exporter_<version>_<arch>.deb
#
# Installed: the program and its window module, its desktop entry, its icon
# (scalable, symbolic, and PNG sizes made from the scalable one), its AppStream
# metadata, its manual page, the copyright and changelog files, and the
# systemd user units of the daily backup. Nothing
# else: test programs, benchmarks, the screenshot tool and the sample database
# have no install rule. tests/install checks the installed tree file by file.
#
# The package is laid out for /usr; configure with -DCMAKE_INSTALL_PREFIX=/usr
# so that GNUInstallDirs puts the module under the multiarch library folder
# (under plain lib/, CPack would add ldconfig calls for it).
include(GNUInstallDirs)

set(ORVELLA_APP_ID com.Corvanex.OrvellaExporter)
# AppStream's id is the desktop id in lower case; its file carries that name.
string(TOLOWER ${ORVELLA_APP_ID} ORVELLA_METAINFO_ID)
set(ORVELLA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(ORVELLA_PACKAGE_DIR ${PROJECT_SOURCE_DIR}/resources/package)
set(ORVELLA_GENERATED_DIR ${CMAKE_BINARY_DIR}/desktop)
# Where the screenshots that the metadata names are published.
set(ORVELLA_SCREENSHOT_URL "https://www.corvanex.com/OrvellaExporter/screenshots"
  CACHE STRING "Web folder holding the screenshots named in the AppStream metadata")

# The metadata and the manual page carry the version and its release date.
configure_file(${ORVELLA_DESKTOP_DIR}/${ORVELLA_METAINFO_ID}.metainfo.xml.in
  ${ORVELLA_GENERATED_DIR}/${ORVELLA_METAINFO_ID}.metainfo.xml @ONLY)
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
# The changelog likewise (Debian's format; its newest entry is this version).
configure_file(${ORVELLA_PACKAGE_DIR}/changelog ${ORVELLA_GENERATED_DIR}/changelog COPYONLY)
execute_process(
  COMMAND ${ORVELLA_GZIP} -9nf ${ORVELLA_GENERATED_DIR}/changelog -c
  OUTPUT_FILE ${ORVELLA_GENERATED_DIR}/changelog.gz
  COMMAND_ERROR_IS_FATAL ANY)

# PNG icons for desktops and menus that do not draw the SVG, rendered from it
# at build time.
find_program(ORVELLA_RSVG_CONVERT rsvg-convert REQUIRED)
set(ORVELLA_ICON_SIZES 16 24 32 48 64 128 256 512)
set(icon_svg ${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}.svg)
set(icon_pngs)
foreach(size ${ORVELLA_ICON_SIZES})
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${ORVELLA_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${ORVELLA_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${icon_svg}
    DEPENDS ${icon_svg}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(orvella_icons ALL DEPENDS ${icon_pngs})

install(TARGETS orvella-exporter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ORVELLA_DESKTOP_DIR}/${ORVELLA_APP_ID}-symbolic.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps)
install(FILES ${ORVELLA_GENERATED_DIR}/${ORVELLA_METAINFO_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORVELLA_GENERATED_DIR}/orvella-exporter.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The daily backup, for systemd's user manager; installed, not enabled
# (`systemctl --user enable --now orvella-exporter-backup.timer` turns it on).
# lib/, not the multiarch library folder: systemd looks in
# /usr/lib/systemd/user, whatever the architecture.
# The service names the installed program, so it is made at install time,
# when the prefix of `cmake --install --prefix` is known.
# The backup service and the one that tells of its failure.
set(ORVELLA_UNITS)
set(ORVELLA_UNIT_CONFIGURE)
foreach(unit orvella-exporter-backup orvella-exporter-backup-failure)
  set(template ${PROJECT_SOURCE_DIR}/resources/systemd/${unit}.service.in)
  set(made ${CMAKE_BINARY_DIR}/install-units/${unit}.service)
  list(APPEND ORVELLA_UNITS ${made})
  string(APPEND ORVELLA_UNIT_CONFIGURE "configure_file(\"${template}\" \"${made}\" @ONLY)\n")
endforeach()
install(CODE "
  set(ORVELLA_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orvella-exporter\")
  ${ORVELLA_UNIT_CONFIGURE}")
install(FILES ${ORVELLA_UNITS} ${PROJECT_SOURCE_DIR}/resources/systemd/orvella-exporter-backup.timer
  DESTINATION lib/systemd/user)
# Debian's names, which lintian asks for: the machine-readable copyright file
# and the changelog of a package without a Debian revision.
install(FILES ${ORVELLA_PACKAGE_DIR}/copyright ${ORVELLA_GENERATED_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvella-exporter)

# --- Debian package ---------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvella-exporter)
set(CPACK_PACKAGE_VENDOR Corvanex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Corvanex Support <support@corvanex.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "export the subscriptions of the Orvella feed reader to OPML")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# 0644 and 0755 whatever the packager's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
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
