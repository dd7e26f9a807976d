# Writes the offline worker, sw.js, from sw.js.in: its cache is named after
# the version and a hash of the page's files, so that a changed page brings a
# new worker, which replaces the files the browser keeps.
# cmake -DSOURCE=sw.js.in -DSITE=<site folder> -DVERSION=<version> -P make_worker.cmake
set(content "")
foreach(file index.html quintora.css quintora.js quintora.wasm manifest.webmanifest)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND content ${hash})
endforeach()
string(SHA256 hash "${content}")
string(SUBSTRING ${hash} 0 12 hash)
set(CACHE_NAME "quintora-${VERSION}-${hash}")
configure_file(${SOURCE} ${SITE}/sw.js @ONLY)
