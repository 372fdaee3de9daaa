# The Debian package that `cpack` builds from the install rules:
# vorkast-tolkar_<version>_<arch>.deb, installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorkast-tolkar)
set(CPACK_PACKAGE_VENDOR "Ржавый байт")
set(CPACK_PACKAGE_CONTACT "Vorkast Толкарь <tolkar@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "talk in Russian with a half-machine agent of the Vorkast world")
set(CPACK_PACKAGE_DESCRIPTION [[
A small chat program: you talk, in Russian, with Frenk Dreigmor, a
half-machine special agent of the post-nuclear world of Vorkast. He
answers by the topic of your words, rebukes abuse and gives back
phrases you said before.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tolkar.example.org/")
# The libraries the program links come from dpkg-shlibdeps; the font the window's
# texts are measured with is loaded by name, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own dialogs (the save dialog) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
