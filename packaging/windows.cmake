# The Windows program as a portable zip, a per-user installer (CPack's NSIS
# generator with its own template, in windows/) and a per-machine MSI for
# offices (wixl). The target `packages` makes all three, signing the program
# and every package when the owner's certificate is given (windows/sign.cmake).
install(TARGETS quintora quintora_cli_program RUNTIME DESTINATION .)
# One LEIA-ME for the zip, which needs no installation, and one for what the
# installer and the MSI install, which says how to uninstall: one template,
# whose lines marked [zip] or [instalado] belong to one of them alone.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/windows/LEIA-ME.txt.in readme_template)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS windows/LEIA-ME.txt.in)
foreach(variant zip instalado)
    set(other instalado)
    if(variant STREQUAL instalado)
        set(other zip)
    endif()
    string(REGEX REPLACE "\\[${other}\\] [^\n]*\n" "" text "${readme_template}")
    string(REPLACE "[${variant}] " "" text "${text}")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/LEIA-ME-${variant}.txt.in "${text}")
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${variant})
    quintora_fill(${CMAKE_CURRENT_BINARY_DIR}/LEIA-ME-${variant}.txt.in
                  ${CMAKE_CURRENT_BINARY_DIR}/${variant}/LEIA-ME.txt --crlf)
endforeach()
set(readme ${CMAKE_CURRENT_BINARY_DIR}/instalado/LEIA-ME.txt)
add_custom_target(readme ALL DEPENDS ${readme} ${CMAKE_CURRENT_BINARY_DIR}/zip/LEIA-ME.txt)
install(FILES ${readme} DESTINATION .)
# The zip takes its own, in place of the installed one.
set(CPACK_QUINTORA_ZIP_README ${CMAKE_CURRENT_BINARY_DIR}/zip/LEIA-ME.txt)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/windows/zip_readme.cmake)

set(QUINTORA_SIGN ${CMAKE_CURRENT_BINARY_DIR}/sign.cmake)
configure_file(windows/sign.cmake.in ${QUINTORA_SIGN} @ONLY)
# The programs are signed where they are installed, before any package
# takes them.
foreach(program quintora quintora_cli_program)
    install(CODE "execute_process(COMMAND \"${CMAKE_COMMAND}\"
        \"-DFILE=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/$<TARGET_FILE_NAME:${program}>\"
        -P \"${QUINTORA_SIGN}\" COMMAND_ERROR_IS_FATAL ANY)")
endforeach()

# Where the MSI records that the program is installed for every user, which
# the per-user installer reads: the key under HKLM and its value.
set(QUINTORA_MACHINE_KEY "Software\\${QUINTORA_VENDOR}\\${QUINTORA_PRODUCT_NAME}")
set(QUINTORA_MACHINE_LOCATION InstallLocation)
# The MSI's upgrade code, the same for every version: a newer one replaces
# an older one.
set(QUINTORA_UPGRADE_CODE 909D431A-8CD3-47AF-A9E8-F2959CE18A2C)

set(CPACK_PACKAGE_NAME quintora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${QUINTORA_VENDOR})
set(QUINTORA_PACKAGE_NAME quintora-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_FILE_NAME ${QUINTORA_PACKAGE_NAME})
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${QUINTORA_PRODUCT_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${QUINTORA_PRODUCT_NAME})
set(CPACK_NSIS_PACKAGE_NAME ${QUINTORA_PRODUCT_NAME})
set(CPACK_NSIS_DISPLAY_NAME ${QUINTORA_PRODUCT_NAME})
set(CPACK_NSIS_MUI_ICON ${QUINTORA_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${QUINTORA_WINDOWS_ICON})
set(CPACK_NSIS_EXECUTABLE makensis)
# Read by the template (windows/NSIS.template.in).
set(CPACK_QUINTORA_CMAKE ${CMAKE_COMMAND})
set(CPACK_QUINTORA_SIGN ${QUINTORA_SIGN})
set(CPACK_QUINTORA_WINDOW_CLASS ${QUINTORA_WINDOW_CLASS})
set(CPACK_QUINTORA_VERSION_DOTS ${QUINTORA_VERSION_DOTS})
set(CPACK_QUINTORA_COPYRIGHT ${QUINTORA_COPYRIGHT})
set(CPACK_QUINTORA_DESCRIPTION ${PROJECT_DESCRIPTION})
set(CPACK_QUINTORA_MACHINE_KEY ${QUINTORA_MACHINE_KEY})
set(CPACK_QUINTORA_MACHINE_LOCATION ${QUINTORA_MACHINE_LOCATION})
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_VERBATIM_VARIABLES TRUE) # the registry key's backslashes reach the template as they are
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows) # NSIS.template.in
include(CPack)

set(QUINTORA_WXS ${CMAKE_CURRENT_BINARY_DIR}/quintora.wxs)
configure_file(windows/quintora.wxs.in ${QUINTORA_WXS} @ONLY)
set(QUINTORA_MSI_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/windows/make_msi.cmake CACHE INTERNAL "")
# What every MSI of this build is made of, for make_msi.cmake.
set(QUINTORA_MSI_INPUTS ${CMAKE_CURRENT_BINARY_DIR}/msi_inputs.cmake CACHE INTERNAL "")
file(GENERATE OUTPUT ${QUINTORA_MSI_INPUTS} CONTENT
"set(PROGRAMS \"$<TARGET_FILE:quintora>\" \"$<TARGET_FILE:quintora_cli_program>\")
set(README \"${readme}\")
set(ICON \"${QUINTORA_WINDOWS_ICON}\")
set(WXS \"${QUINTORA_WXS}\")
set(SIGN \"${QUINTORA_SIGN}\")
set(ENVIRONMENT \"${CMAKE_CURRENT_SOURCE_DIR}/windows/Environment.idt\")
set(UPGRADE_CODE \"${QUINTORA_UPGRADE_CODE}\")
")
add_custom_target(packages
    COMMAND ${CMAKE_COMMAND} -P ${QUINTORA_SIGN}
    COMMAND ${CMAKE_CPACK_COMMAND} -G "ZIP;NSIS"
    COMMAND ${CMAKE_COMMAND} -DINPUTS=${QUINTORA_MSI_INPUTS} -DVERSION=${PROJECT_VERSION}
            -DOUT=${PROJECT_BINARY_DIR}/${QUINTORA_PACKAGE_NAME}.msi -P ${QUINTORA_MSI_SCRIPT}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DEPENDS quintora quintora_cli_program readme
    COMMENT "The zip, the installer and the MSI of ${QUINTORA_PRODUCT_NAME}"
    VERBATIM)
