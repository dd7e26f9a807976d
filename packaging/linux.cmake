# Installation and the Debian package. Everything a desktop finds the program
# by is named with one reverse-DNS application id.
include(GNUInstallDirs)

install(TARGETS quintora quintora_cli_program RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The metainfo, the manual page, the changelog and the package's description
# state the version, the release date, the unit counts and the convention,
# filled in from what the build knows.
set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/${QUINTORA_APP_ID}.metainfo.xml)
set(description ${CMAKE_CURRENT_BINARY_DIR}/debian_description.txt)
set(prose ${metainfo} ${CMAKE_CURRENT_BINARY_DIR}/quintora.1 ${CMAKE_CURRENT_BINARY_DIR}/quintora-cli.1
          ${CMAKE_CURRENT_BINARY_DIR}/changelog ${description})
set(templates metainfo.xml.in quintora.1.in quintora-cli.1.in changelog.in debian_description.in)
foreach(made IN ZIP_LISTS prose templates)
    quintora_fill(${CMAKE_CURRENT_SOURCE_DIR}/${made_1} ${made_0})
endforeach()
set(desktop ${CMAKE_CURRENT_BINARY_DIR}/${QUINTORA_APP_ID}.desktop)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/quintora.desktop.in ${desktop} @ONLY)

install(FILES ${desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(icons ${PROJECT_SOURCE_DIR}/window/icons)
foreach(size 32 64 128 256)
    install(FILES ${icons}/quintora-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${QUINTORA_APP_ID}.png)
endforeach()
install(FILES ${icons}/quintora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUINTORA_APP_ID}.svg)

# Debian wants the manual page and the changelog compressed, without a timestamp.
set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed)
foreach(file ${CMAKE_CURRENT_BINARY_DIR}/quintora.1 ${CMAKE_CURRENT_BINARY_DIR}/quintora-cli.1
             ${CMAKE_CURRENT_BINARY_DIR}/changelog)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${compressed}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed}
        COMMAND gzip -9nc ${file} > ${compressed}/${name}.gz
        DEPENDS ${file} VERBATIM)
endforeach()
add_custom_target(quintora_docs ALL DEPENDS ${compressed}/quintora.1.gz ${compressed}/quintora-cli.1.gz
                                           ${compressed}/changelog.gz ${metainfo} ${description})
install(FILES ${compressed}/quintora.1.gz ${compressed}/quintora-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${compressed}/changelog.gz copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quintora)

set(CPACK_PACKAGE_NAME quintora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${QUINTORA_VENDOR})
set(CPACK_PACKAGE_CONTACT "${QUINTORA_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter for reinforced-concrete design")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUINTORA_HOMEPAGE})
# The description is made by the build; cpack reads it when it runs.
set(CPACK_QUINTORA_DESCRIPTION_FILE ${description})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack_config.cmake)
# The window needs Qt's platform plugins, which no linked library names, and
# Qt's own texts in Portuguese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The narrow sans serif the columns are sized for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
include(CPack)
