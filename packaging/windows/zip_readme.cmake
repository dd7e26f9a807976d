# Run by CPack once the files of a package are gathered: the zip gets the
# LEIA-ME that says it needs no installation.
if(CPACK_GENERATOR STREQUAL "ZIP")
    file(COPY_FILE "${CPACK_QUINTORA_ZIP_README}" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/LEIA-ME.txt")
endif()
