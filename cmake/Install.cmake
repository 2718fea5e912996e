# Installation as a desktop program (cmake --install, make install) and the
# Debian package (make package).
include(GNUInstallDirs)

# GARABEL_APP_ID, the component id the installed file names follow, is set
# beside the garabel target.
set(GARABEL_ICON_SIZES 16 22 24 32 48 64 128 256)

# The PNG icons are drawn from the SVG icon at build time by Qt's own renderer.
add_executable(garabel_icon_pngs packaging/IconPngs.cpp)
target_link_libraries(garabel_icon_pngs PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(garabel_icon_pngs PROPERTIES AUTOMOC OFF)
set(GARABEL_ICON_THEME ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
set(GARABEL_ICON_PNGS)
foreach(side IN LISTS GARABEL_ICON_SIZES)
  list(APPEND GARABEL_ICON_PNGS ${GARABEL_ICON_THEME}/${side}x${side}/apps/garabel.png)
endforeach()
add_custom_command(OUTPUT ${GARABEL_ICON_PNGS}
  COMMAND garabel_icon_pngs ${CMAKE_CURRENT_SOURCE_DIR}/assets/garabel.svg
          ${GARABEL_ICON_THEME} garabel ${GARABEL_ICON_SIZES}
  DEPENDS garabel_icon_pngs assets/garabel.svg
  COMMENT "Drawing the PNG icons")

configure_file(packaging/garabel.metainfo.xml.in ${GARABEL_APP_ID}.metainfo.xml @ONLY)
configure_file(packaging/garabel.1.in garabel.1 @ONLY)
# Debian wants manual pages compressed; gzip -n keeps the package reproducible.
add_custom_command(OUTPUT garabel.1.gz
  COMMAND gzip -9nc garabel.1 > garabel.1.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/garabel.1)
add_custom_target(garabel_desktop_files ALL DEPENDS ${GARABEL_ICON_PNGS} garabel.1.gz)

install(TARGETS garabel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/garabel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${GARABEL_APP_ID}.desktop)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${GARABEL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/garabel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${GARABEL_ICON_THEME} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# The page is Spanish, like the program, and goes where "man garabel" finds it
# in every locale.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/garabel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# make package: a .deb whose dependencies dpkg-shlibdeps reads from the
# libraries the program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME garabel)
set(CPACK_PACKAGE_VENDOR Garabel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dibujo de figuras geométricas sobre una rejilla")
set(CPACK_PACKAGE_DESCRIPTION "Garabel es un programa de dibujo para construir figuras geométricas sobre una
rejilla a la que se ajusta el puntero: líneas, rectángulos, circunferencias,
elipses, arcos, polígonos regulares, relleno y texto, con copias en espejo,
diez hojas y siete pasos de deshacer en cada una. Su interfaz está en español.")
set(CPACK_PACKAGE_CONTACT "Garabel maintainers <garabel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Spanish texts in Qt's own dialogs, and the metric twin of Arial for the text tool.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
include(CPack)

add_test(NAME Install.EveryFileOfTheDesktopProgramIsThereAndValid
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/packaging/check-install.sh ${CMAKE_BINARY_DIR} ${GARABEL_APP_ID})
set_tests_properties(Install.EveryFileOfTheDesktopProgramIsThereAndValid PROPERTIES TIMEOUT 120)
