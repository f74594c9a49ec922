# The browser's folder: the page and its script, the game's module, the
# Japanese gothic (a page has no system fonts to fall back on), the icon and
# every licence. Any static web server serves it as it is.
set(page ${PROJECT_SOURCE_DIR}/app/web)
install(FILES ${page}/index.html ${page}/page.js ${PROJECT_BINARY_DIR}/zentap3.js ${PROJECT_BINARY_DIR}/zentap3.wasm
  DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.png DESTINATION .)
# The C and C++ libraries compiled into the module come with emscripten.
install(FILES /usr/share/doc/emscripten/copyright DESTINATION licences RENAME Emscripten.txt)
set(ZENTAP3_QT_PLATFORM WebAssembly)
set(ZENTAP3_QT_LINKING "The libraries are unmodified and linked
statically into zentap3.wasm. To link the game with a Qt of your own, build it
from its source (MIT licence) with scripts/web.sh, which builds Qt first.")
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_FILE_NAME zentap3-${PROJECT_VERSION}-web)
include(shipped-with-qt.cmake)
