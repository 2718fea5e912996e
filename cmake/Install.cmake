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
configure_file(packaging/changelog.in changelog @ONLY)
# Debian wants manual pages and changelogs compressed; gzip -n keeps the package reproducible.
foreach(text IN ITEMS garabel.1 changelog)
  add_custom_command(OUTPUT ${text}.gz
    COMMAND gzip -9nc ${text} > ${text}.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${text})
endforeach()
add_custom_target(garabel_desktop_files ALL DEPENDS ${GARABEL_ICON_PNGS} garabel.1.gz changelog.gz)

# Every install (make install, cmake --install, the package) strips the
# program of its debugging symbols.
install(CODE "set(CMAKE_INSTALL_DO_STRIP TRUE)")
install(TARGETS garabel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# As dh_strip does: the compiler's version notes go too.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
  \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/garabel COMMAND_ERROR_IS_FATAL ANY)")
install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/garabel)
# Lintian's guess that nothing is fortified holds only for a fortified build.
if("-D_FORTIFY_SOURCE=2" IN_LIST GARABEL_HARDENING_CPPFLAGS OR "-D_FORTIFY_SOURCE=3" IN_LIST GARABEL_HARDENING_CPPFLAGS)
  install(FILES packaging/garabel.lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME garabel)
endif()
install(FILES packaging/garabel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${GARABEL_APP_ID}.desktop)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${GARABEL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/garabel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${GARABEL_ICON_THEME} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# The page is Spanish, like the program, and goes where "man garabel" finds it
# in every locale.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/garabel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Installing and packaging take what is built; they build nothing themselves
# (make install and make package build what they need first), so that a
# package does not wait for the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

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
# Qt's own dialogs are in English without its Spanish texts; added to what
# dpkg-shlibdeps finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The metric twin of Arial for the text tool.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)

add_test(NAME Install.EveryFileOfTheDesktopProgramIsThereAndValid
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/packaging/check-install.sh ${CMAKE_BINARY_DIR} ${GARABEL_APP_ID})
set_tests_properties(Install.EveryFileOfTheDesktopProgramIsThereAndValid PROPERTIES TIMEOUT 120)
# The package is made from a normal build; a sanitizer build has nothing to add.
if(NOT GARABEL_SANITIZE)
  add_test(NAME Package.HoldsItsLicenceAndChangelogAndLintianFindsNoError
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/packaging/check-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(Package.HoldsItsLicenceAndChangelogAndLintianFindsNoError PROPERTIES TIMEOUT 300)
endif()
