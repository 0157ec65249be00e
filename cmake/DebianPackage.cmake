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
# Not "games": Debian keeps that section for programs that are played, and
# Vantor is a tool used beside a game, a notebook with timers and a
# calculator, that plays nothing itself. Such tools are "utils".
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n, sound-theme-freedesktop")
# Folders as Debian has them whatever the umask of the machine that builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The program is stripped as Debian's own packages are: besides the symbols,
# the compiler's version notes (.comment, .note), which nothing reads at run
# time. Done on the staged files, so `cmake --install` still installs the
# program as it was built.
set(CPACK_STRIP_FILES OFF)
set(CPACK_VANTOR_STRIP ${CMAKE_STRIP})
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/DebianStrip.cmake @ONLY CONTENT [[
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
if(NOT programs)
  message(FATAL_ERROR "No program staged under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CPACK_VANTOR_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
]])
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_BINARY_DIR}/DebianStrip.cmake)
include(CPack)

# Everything `cmake --install` installs, and nothing more: `make package`
# builds this rather than every test. A new install() rule names its target
# here.
add_custom_target(package_files)
add_dependencies(package_files vantor vantor_docs vantor_icons)
# cpack runs the build tree's "preinstall" target first, which would build
# every test; installing needs only what package_files built. (`make install`
# in the build tree therefore no longer builds first; `make build` does.)
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
