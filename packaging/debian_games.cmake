# Run by cpack on the staged files before it packs them: a Debian package keeps its games'
# programs in /usr/games, not /usr/bin. The data is found from either folder the same way.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
    file(RENAME "${staged}/bin" "${staged}/games")
endif()
