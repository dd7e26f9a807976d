# Read by cpack as it makes a package: the Debian package's description,
# which the build fills in from what it knows.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_QUINTORA_DESCRIPTION_FILE)
    file(READ "${CPACK_QUINTORA_DESCRIPTION_FILE}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
    string(STRIP "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
endif()
