# Run by CPack while it gathers the files of an older release made for the
# upgrade test: that release also shipped a file the current one does not.
file(WRITE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/antigo.txt" "only in the older release\n")
