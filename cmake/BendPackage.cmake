# The Debian package: CPack's DEB generator, the shared libraries' packages
# found by dpkg-shlibdeps, and by hand the run-time packages it cannot see:
# Qt's platform plugins (the window's, and the offscreen one the templates
# draw with), a font with the Chinese characters, and Qt's translations.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bent-glass-calculator)
set(CPACK_PACKAGE_VENDOR Vitralis)
set(CPACK_PACKAGE_CONTACT "Vitralis <support@vitralis-glass.cn>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.vitralis-glass.cn/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")
# CPack indents the lines after the first and turns an empty one into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "calculator for bent glass: arcs, cut lengths and templates
Bent Glass Calculator (弯钢计算器) is a calculator for the cutting and
bending shop of a glass processor. From any two of arc length, chord,
radius, rise and central angle it computes the others, the flat cut length
of the pane before bending, and the inner or outer pane of a bent
two-pane unit.

The command-line companion bendcalc completes whole order lists (CSV in
UTF-8 or GBK) with exactly the window's figures, and makes dimensioned
drawings and full-size bending templates as PDF, SVG and DXF.")
include(CPack)
