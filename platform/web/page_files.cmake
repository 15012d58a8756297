# SPDX-License-Identifier: MIT
# Run at build time (cmake -P) beside the built page: copies the icons the
# host build made and writes the manifest and the service worker, whose
# version is a hash of every file the page is made of.
#   -DSOURCE=platform/web -DOUTPUT=build/web -DICONS=<host icons>
#   -DFAVICON_SIZES=16,32 -DAPP_SIZES=48,...,512
string(REPLACE "," ";" FAVICON_SIZES "${FAVICON_SIZES}")
string(REPLACE "," ";" APP_SIZES "${APP_SIZES}")
file(MAKE_DIRECTORY ${OUTPUT}/icons)
set(hashes "")
set(TALONIX_PAGE_ICONS "")
set(TALONIX_MANIFEST_ICONS "")
foreach(size IN LISTS FAVICON_SIZES APP_SIZES)
    if(NOT EXISTS ${ICONS}/${size}.png)
        message(FATAL_ERROR "No ${ICONS}/${size}.png: build the host's icons first "
                            "(cmake --build --preset ci --target talonix_desktop_files)")
    endif()
    file(COPY_FILE ${ICONS}/${size}.png ${OUTPUT}/icons/${size}.png ONLY_IF_DIFFERENT)
    file(SHA256 ${OUTPUT}/icons/${size}.png hash)
    string(APPEND hashes ${hash})
    list(APPEND TALONIX_PAGE_ICONS "'icons/${size}.png'")
endforeach()
foreach(size IN LISTS APP_SIZES)
    list(APPEND TALONIX_MANIFEST_ICONS
         "{\"src\": \"icons/${size}.png\", \"sizes\": \"${size}x${size}\", \"type\": \"image/png\"}")
endforeach()
list(JOIN TALONIX_PAGE_ICONS ", " TALONIX_PAGE_ICONS)
list(JOIN TALONIX_MANIFEST_ICONS ",\n    " TALONIX_MANIFEST_ICONS)
set(TALONIX_MANIFEST_ICONS "\n    ${TALONIX_MANIFEST_ICONS}\n  ")
configure_file(${SOURCE}/manifest.webmanifest ${OUTPUT}/manifest.webmanifest @ONLY)

foreach(file index.html index.js index.wasm manifest.webmanifest)
    file(SHA256 ${OUTPUT}/${file} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 TALONIX_PAGE_VERSION)
configure_file(${SOURCE}/sw.js ${OUTPUT}/sw.js @ONLY)
