# The Windows program's folder, as the installer and the portable zip carry it:
#   numora.exe, Qt's DLLs, the MinGW run-time, and the plugins the program loads (the Windows
#   platform, the Windows style, JPEG for the pictures) in the folders Qt looks for beside the
#   program. Qt for a Linux host has no windeployqt, so these rules say what goes in; the
#   imports test checks that nothing numora.exe or a shipped DLL imports is missing.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(FILES ${NUMORA_MINGW_RUNTIME} DESTINATION .)
foreach(plugin IN ITEMS QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles
                        QJpegPlugin:imageformats)
  string(REPLACE ":" ";" plugin ${plugin})
  list(GET plugin 0 target)
  list(GET plugin 1 folder)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${target} LIBRARY DESTINATION ${folder}
                                                    RUNTIME DESTINATION ${folder})
endforeach()

# Qt's DLLs and the MinGW run-time come with their symbols (libstdc++ alone is 23 MB of them);
# CPack strips only the program, so the installed copies of the rest are stripped here.
install(CODE "
  file(GLOB_RECURSE binaries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  foreach(binary IN LISTS binaries)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Numora)
set(CPACK_PACKAGE_VENDOR "${NUMORA_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME "Numora-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Numora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Numora)
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

# The installer: Program Files, a Start-menu shortcut with the program's icon, an uninstaller in
# Add/Remove Programs; /S installs and uninstalls silently, for rolling out to a lab.
set(CPACK_PACKAGE_EXECUTABLES numora Numora)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Numora)
set(CPACK_NSIS_DISPLAY_NAME Numora)
set(CPACK_NSIS_INSTALLED_ICON_NAME numora.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/pictures/numora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/pictures/numora.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit, Unicode installer: the program is 64-bit, and NSIS's default 32-bit stub would not
# run where only 64-bit programs do.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
