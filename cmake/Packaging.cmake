# `cpack -G DEB` in a build configured with -DCMAKE_INSTALL_PREFIX=/usr makes the Debian
# package; dpkg-shlibdeps fills in the libraries it needs (./dev package does both).
set(CPACK_PACKAGE_NAME packwright)
set(CPACK_PACKAGE_VENDOR "the Packwright team")
set(CPACK_PACKAGE_CONTACT "the Packwright team <packwright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "install and manage custom content for The Vocks")
set(CPACK_PACKAGE_DESCRIPTION
  "Packwright takes downloaded custom content for The Vocks (loose files, folders and\n\
archives), works out what each file is, installs it into the right folder of the game\n\
and records it. It shows and deletes the custom content of a game folder, packs object\n\
files into FAR archives and exports lists of content through templates. packwright-cli\n\
does the same jobs from the command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://packwright.example.org/")
# The prefix the program was built for: the resolver of where files live compares against it.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins are loaded at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The standard buttons and file dialogs in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
