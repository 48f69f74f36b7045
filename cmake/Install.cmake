# Installation as a desktop program (cmake --install) and the Debian package
# (cpack -G DEB): the two programs, the default content they fall back to, the
# menu entry with its icons and actions, the session bus's service file, the
# AppStream metainfo and the manual pages.
install(TARGETS stakanych stakanych-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS stakanych-audio LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/stakanych)
install(DIRECTORY content/ DESTINATION ${CMAKE_INSTALL_DATADIR}/stakanych)
install(FILES data/ru.stakanych.stakanych.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The session bus starts the program by its full path when a launcher
# activates it or runs one of its actions: the path is the prefix of the
# install itself (cmake --install --prefix, /usr in the package).
install(CODE "
  set(STAK_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  configure_file(\"${PROJECT_SOURCE_DIR}/data/ru.stakanych.stakanych.service.in\"
                 \"${CMAKE_BINARY_DIR}/dbus/ru.stakanych.stakanych.service\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\"
       TYPE FILE FILES \"${CMAKE_BINARY_DIR}/dbus/ru.stakanych.stakanych.service\")
")
install(FILES data/ru.stakanych.stakanych.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages go compressed, without a time stamp, as Debian keeps them.
set(stak_manpages)
foreach(page stakanych stakanych-check)
  set(gz "${CMAKE_BINARY_DIR}/man/${page}.1.gz")
  add_custom_command(OUTPUT "${gz}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/man"
    COMMAND sh -c "gzip -9nc < \"$0\" > \"$1\"" "${PROJECT_SOURCE_DIR}/data/man/${page}.1" "${gz}"
    DEPENDS "${PROJECT_SOURCE_DIR}/data/man/${page}.1"
    VERBATIM)
  list(APPEND stak_manpages "${gz}")
endforeach()
add_custom_target(manpages ALL DEPENDS ${stak_manpages})
install(FILES ${stak_manpages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(STAK_MAINTAINER "Stakanych 2003 developers <master@stakanych.example>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_NAME stakanych)
set(CPACK_PACKAGE_VENDOR "Stakanych 2003 developers")
set(CPACK_PACKAGE_CONTACT "${STAK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "funny companion for a drinking evening")
set(CPACK_PACKAGE_DESCRIPTION
    "Stakanych 2003 is a small window with a picture, a speech line and a row of
buttons that keeps a party company. At random moments it says a line, proposes
a toast or plays a recorded voice phrase, and now and then changes its
picture. On request it asks riddles, composes toasts and plays pranks on the
desktop. Scenario files script it line by line; phrases, pictures, sounds and
scenarios of one's own go into ~/.local/share/stakanych. Its texts are in
Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://stakanych.example/")
# The libraries come from dpkg-shlibdeps; fonts with the metrics the windows
# were laid out for are not linked and so are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core")
# Opening addresses and text files in the user's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
