# The Windows program as a portable zip and as an installer (CPack's NSIS
# generator with its own template, in windows/): per user, no administrator
# rights, a Start-menu shortcut, an uninstaller, and an entry among the
# installed programs with the version and icon.
install(TARGETS quintora RUNTIME DESTINATION .)
configure_file(windows/LEIA-ME.txt.in ${CMAKE_CURRENT_BINARY_DIR}/LEIA-ME.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LEIA-ME.txt DESTINATION .)

set(CPACK_PACKAGE_NAME quintora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Darvello)
set(CPACK_PACKAGE_FILE_NAME quintora-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Quintora 2")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Quintora 2")
set(CPACK_NSIS_PACKAGE_NAME "Quintora 2")
set(CPACK_NSIS_DISPLAY_NAME "Quintora 2")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/window/icons/quintora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/window/icons/quintora.ico)
set(CPACK_NSIS_EXECUTABLE makensis)
set(CPACK_GENERATOR ZIP NSIS)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows) # NSIS.template.in
include(CPack)
