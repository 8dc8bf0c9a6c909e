# Run by cpack once the package's files are staged. Debian keeps the programs
# of a package of section games in /usr/games and none in /usr/bin, so both
# move there from the folder that `cmake --install` puts them in. Other kinds
# of package keep that folder.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${usr}/${CPACK_GRIDATELIER_BINDIR} ${usr}/${CPACK_GRIDATELIER_GAMESDIR})
