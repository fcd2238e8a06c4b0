# SPDX-License-Identifier: MIT
# `cpack` in the build folder makes a .deb and a .tar.gz of what `cmake --install` installs.
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME quinsum)
set(CPACK_PACKAGE_VENDOR "The Quinsum developers")
set(CPACK_PACKAGE_CONTACT "${QUINSUM_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic board game for two players")
set(CPACK_PACKAGE_DESCRIPTION
    "Two players claim cells of a 5 x 5 board of random numbers. Whoever\n\
completes three of their own cells in a row must add up the line to score\n\
it. The opponent is another person or the computer at three levels, the\n\
numbers run from 0 to 10, 0 to 25, -10 to 10 or -25 to 25, and the ten best\n\
results of each range are kept. The game is played with the mouse or the\n\
keyboard.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUINSUM_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_FILE_NAME quinsum-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries linked at build time come from dpkg-shlibdeps; SDL2 is opened at the first sound,
# the page is opened through xdg-open and the board is drawn in Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, fonts-liberation, xdg-utils")
# On a Wayland desktop the game runs as a Wayland client, its dialogs inside the board.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
