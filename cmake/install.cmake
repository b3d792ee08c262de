# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` and the Debian package (`cpack` in the build folder; scripts/package).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zelvik-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The licence and the credit of the bearing tables, in Debian's machine-readable format.
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(ZELVIK_BUILD_UI)
  install(TARGETS zelvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(ZELVIK_MAINTAINER "Zelvik developers <zelvik@users.noreply.github.com>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZELVIK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "theoretical weight of steel products")
set(CPACK_PACKAGE_DESCRIPTION
  "Zelvik computes the theoretical weight of steel products: plate, angle,\n"
  "channel, I-beam, tube, pipe, bolts and nuts, H-section, checker plate, wire\n"
  "rope, bars and cold-formed sections. Dimensions are typed as arithmetic or\n"
  "picked from standard size lists, and a strip adds up the weights collected.\n"
  "The interface is in simplified Chinese; zelvik-cli offers the same\n"
  "calculations to scripts, as JSON.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: libcurl for the update's downloads,
# the X11 platform plugin, and a font with the interface's Chinese characters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4")
if(ZELVIK_BUILD_UI)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei | fonts-arphic-uming")
  # Qt's own dialogs and buttons in Chinese; without it they are English.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
include(CPack)
