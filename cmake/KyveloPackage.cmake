# The Debian package (cpack -G DEB, see scripts/package.sh). Its dependencies come from the shared
# libraries the program links (dpkg-shlibdeps), not from a list kept by hand.
set(CPACK_PACKAGE_NAME kyvelo)
set(CPACK_PACKAGE_VENDOR "The Kyvelo developers")
# The maintainer field must hold a mail address; the project reads no mailbox, and the address
# says so (the reserved top-level domain .invalid never delivers). The same stands in the changelog.
set(CPACK_PACKAGE_CONTACT "The Kyvelo developers <no-reply@kyvelo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulation about the first derivative")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kyvelo plots the distance a car has travelled over time. Students drag two
measuring points along the curve and see the secant or the tangent with its
slope triangle, and the velocity in dot-matrix displays. In English, German,
French, Spanish, Italian, Polish or Greek, by the desktop's language or as
chosen in the program, with help pages in English and German.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kyvelo)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts the layouts name (Arial, Courier New) are mapped to these metric twins; Qt's own texts
# (buttons, dialogs, menus) come in German from the translation catalogues.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
