# The Windows program's folder, as the installer and the portable zip carry it:
#   numora.exe, Qt's DLLs (printing among them: Qt 6 builds Windows' printers into
#   Qt6PrintSupport.dll, with no plugin), the MinGW run-time, and the plugins the program loads (the
#   Windows platform, the Windows style, JPEG for the pictures) in the folders Qt looks for beside the
#   program. Qt for a Linux host has no windeployqt, so these rules say what goes in; the
#   imports test checks that nothing numora.exe or a shipped DLL imports is missing.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport
        RUNTIME DESTINATION .)
install(FILES ${NUMORA_MINGW_RUNTIME} DESTINATION .)
foreach(plugin IN ITEMS QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles
                        QJpegPlugin:imageformats)
  string(REPLACE ":" ";" plugin ${plugin})
  list(GET plugin 0 target)
  list(GET plugin 1 folder)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${target} LIBRARY DESTINATION ${folder}
                                                    RUNTIME DESTINATION ${folder})
endforeach()

# The notices of everything the folder carries, in licenses\: Numora's licence (GNU GPL 3 or
# later); Qt's licence (LGPL 3, which builds on the GPL 3) and the copyright of Qt's source with
# the third-party code it builds in (FreeType, HarfBuzz, PCRE2, zlib, libpng, libjpeg and more) and
# of its Arabic translation built into the program, as Debian records them; the licences of the
# MinGW run-time (GCC's run-time libraries, winpthreads); the licences of the fonts built into the
# program for a Windows without Arial or Tahoma (Liberation Sans, Numora Arabic
# from Harmattan: SIL OFL 1.1).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME Numora-LICENSE.txt)
foreach(notice IN ITEMS "/usr/share/common-licenses/LGPL-3:Qt-LGPL-3.txt"
                        "/usr/share/doc/libqt6core6/copyright:Qt-copyright.txt"
                        "/usr/share/doc/qt6-translations-l10n/copyright:Qt-translations-copyright.txt"
                        "/usr/share/doc/gcc-mingw-w64-base/copyright:MinGW-GCC-runtime-copyright.txt"
                        "/usr/share/doc/mingw-w64-common/copyright:MinGW-w64-winpthreads-copyright.txt"
                        "${PROJECT_SOURCE_DIR}/resources/fonts/LiberationSans-copyright.txt:Font-LiberationSans-copyright.txt"
                        "${PROJECT_SOURCE_DIR}/resources/fonts/NumoraArabic-copyright.txt:Font-NumoraArabic-copyright.txt")
  string(REPLACE ":" ";" notice ${notice})
  list(GET notice 0 source)
  list(GET notice 1 name)
  install(FILES ${source} DESTINATION licenses RENAME ${name})
endforeach()

# The program, Qt's DLLs and the MinGW run-time come with their symbols (libstdc++ alone is 23 MB
# of them): the installed copies are stripped here, and the program is then signed when a
# certificate is given (tools/windows/sign.sh), so that nothing changes it after its signature.
install(CODE "
  file(GLOB_RECURSE binaries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  set(program \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/numora.exe\")
  foreach(binary IN LISTS binaries program)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  execute_process(COMMAND bash \"${PROJECT_SOURCE_DIR}/tools/windows/sign.sh\" \"\${program}\"
                  COMMAND_ERROR_IS_FATAL ANY)
")

# The portable zip alone carries numora.ini beside numora.exe (resources/windows/numora.ini), so
# that a copy unpacked from it keeps its settings there and writes nothing outside its folder; an
# installed program keeps them in the registry. CPack reads the file below once for each package,
# the zip's adding the folder that holds numora.ini alone to what the install rules put in.
file(COPY ${PROJECT_SOURCE_DIR}/resources/windows/numora.ini DESTINATION ${CMAKE_BINARY_DIR}/portable)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/CPackEachPackage.cmake CONTENT [[
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_INSTALLED_DIRECTORIES "@CMAKE_BINARY_DIR@/portable;.")
endif()
]] @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackEachPackage.cmake)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Numora)
set(CPACK_PACKAGE_VENDOR "${NUMORA_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_FILE_NAME "Numora-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Numora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Numora)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# The installer is our own script (cmake/nsis/NSIS.template.in): Program Files, the program alone
# in the Start menu, an entry in Add/Remove Programs with what a lab's tools read from it, /S for
# silent installs and uninstalls, Arabic or English.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/nsis)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/pictures/numora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/pictures/numora.ico)
set(CPACK_NUMORA_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/tools/windows/sign.sh)
# A 64-bit, Unicode installer: the program is 64-bit, and NSIS's default 32-bit stub would not
# run where only 64-bit programs do.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
