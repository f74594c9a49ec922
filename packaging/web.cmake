# The browser's folder: the page and its script, the game's module, the
# Japanese gothic (a page has no system fonts to fall back on), the icon and
# every licence. Any static web server serves it as it is.
set(page ${PROJECT_SOURCE_DIR}/app/web)
install(FILES ${page}/index.html ${page}/page.js ${PROJECT_BINARY_DIR}/zentap3.js ${PROJECT_BINARY_DIR}/zentap3.wasm
  DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.png DESTINATION .)
install(FILES ${ZENTAP3_SHIPPED_GOTHIC} DESTINATION fonts)
install(FILES /usr/share/doc/fonts-ipafont-gothic/copyright DESTINATION licences RENAME IPAfont.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licences RENAME Zentap3.txt)
# The C and C++ libraries compiled into the module come with emscripten.
install(FILES /usr/share/doc/emscripten/copyright DESTINATION licences RENAME Emscripten.txt)
set(ZENTAP3_QT_PLATFORM WebAssembly)
set(ZENTAP3_QT_LINKING "The libraries are unmodified and linked
statically into zentap3.wasm. To link the game with a Qt of your own, build it
from its source (MIT licence) with scripts/web.sh, which builds Qt first.")
include(qt-notice.cmake)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME zentap3)
set(CPACK_PACKAGE_VENDOR "The Zentap3 developers")
set(CPACK_PACKAGE_FILE_NAME zentap3-${PROJECT_VERSION}-web)
include(CPack)
