# What `cmake --install` puts on a Linux desktop, and the Debian package of it.
include(GNUInstallDirs)

install(TARGETS np72 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/np72.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${NP72_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
# udev reads its rules under /lib or /usr/lib, whatever the prefix.
set(NP72_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING "Where the udev rule goes, relative to the prefix")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/60-np72.rules DESTINATION ${NP72_UDEV_RULES_DIR})

set(CPACK_PACKAGE_NAME "np72")
set(CPACK_PACKAGE_VENDOR "NP72 service tool team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NP72 service tool team <np72@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_GENERATOR "DEB")
include(CPack)
