# What `cmake --install` puts where, and the Debian package cpack makes of it (included from the
# top CMakeLists.txt). Every destination is relative, so an installed tree can be moved.
install(TARGETS stridewell stridewell-data RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${STRIDEWELL_BUILD_DATA}/images ${STRIDEWELL_BUILD_DATA}/sounds
    ${STRIDEWELL_BUILD_DATA}/horses
    DESTINATION ${CMAKE_INSTALL_DATADIR}/stridewell)
install(DIRECTORY ${STRIDEWELL_BUILD_ICONS} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES packaging/${STRIDEWELL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${STRIDEWELL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/stridewell.6 packaging/stridewell-data.6
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB: stridewell_1.05_<arch>.deb, installed under /usr with the programs in /usr/games
# as Debian keeps its games (packaging/debian_games.cmake moves them there). The libraries it needs are found by dpkg-shlibdeps; the
# fonts it draws with are named here.
set(CPACK_PACKAGE_NAME stridewell)
set(CPACK_PACKAGE_VENDOR "The Stridewell developers")
set(CPACK_PACKAGE_CONTACT "The Stridewell developers <stridewell@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "horse-racing betting game for one to four players")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/packaging/description.txt)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-comic-neue")
# Letters of names that the game's own faces lack are drawn in these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-droid-fallback, fonts-symbola")
# stridewell-data speaks the announcer with these, to make the data again.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "flite, espeak-ng")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/debian_games.cmake)
include(CPack)
