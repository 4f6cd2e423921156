# Installation layout and the Debian package (cpack -G DEB in the build tree).
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/org.numora.Numora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/org.numora.Numora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME numora.png)
# The licence of Numora and of what the program carries, where Debian looks for it.
install(FILES ${PROJECT_SOURCE_DIR}/resources/licenses/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/numora)
foreach(size 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME numora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numora)
set(CPACK_PACKAGE_VENDOR "${NUMORA_VENDOR}")
set(CPACK_PACKAGE_CONTACT "Numora developers <dev@numora.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "School mathematics helper with an Arabic interface")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a font that covers Arabic the captions render as boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation, fonts-sil-harmattan")
include(CPack)
