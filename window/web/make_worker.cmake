# Writes the offline worker, sw.js, from sw.js.in: it keeps FILES (the
# site's files, comma-separated) offline, in a cache named after the version
# and a hash of those files, so that any changed file brings a new worker,
# which replaces the files the browser keeps.
# cmake -DSOURCE=sw.js.in -DSITE=<site folder> -DVERSION=<version> -DFILES=a,b -P make_worker.cmake
string(REPLACE "," ";" files "${FILES}")
set(content "")
set(SITE_FILES "'./'")
foreach(file ${files})
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND content ${hash})
    string(APPEND SITE_FILES ", '${file}'")
endforeach()
string(SHA256 hash "${content}")
string(SUBSTRING ${hash} 0 12 hash)
set(CACHE_NAME "quintora-${VERSION}-${hash}")
configure_file(${SOURCE} ${SITE}/sw.js @ONLY)
