# `make package`: a Debian package of what `cmake --install` installs, for apt.
# dpkg-shlibdeps finds the packages of the libraries the program links; the
# Japanese Gothic font, Qt's Japanese translations and the sound theme are
# only opened at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "Vantor team")
set(CPACK_PACKAGE_CONTACT "Vantor team <vantor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "battle status recorder for an online game's team battles")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Vantor keeps the battlefield of an online game's large team battles beside\n"
       "the game, in Japanese: the eighteen posts of both armies and their statuses,\n"
       "a placement countdown for every fallen post, the battle results of both\n"
       "armies with a forecast of who wins, and a text report for the game's chat.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n, sound-theme-freedesktop")
set(CPACK_STRIP_FILES ON)
include(CPack)
