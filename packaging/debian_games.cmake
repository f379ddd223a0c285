# Run by cpack on the staged files before it packs them, for what a Debian package does its own
# way: the programs of games in /usr/games, not /usr/bin; manual pages compressed; the licence
# stated in the package's copyright file; a changelog.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
    file(RENAME "${staged}/bin" "${staged}/games")
    set(docs "${staged}/share/doc/stridewell")
    file(COPY_FILE "${CMAKE_CURRENT_LIST_DIR}/copyright" "${docs}/copyright")
    file(COPY_FILE "${CMAKE_CURRENT_LIST_DIR}/changelog" "${docs}/changelog")
    file(GLOB pages "${staged}/share/man/man6/*.6")
    foreach(text ${pages} "${docs}/changelog")
        # -n leaves out the name and time, so the package is the same from build to build.
        execute_process(COMMAND gzip -9n "${text}" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()
