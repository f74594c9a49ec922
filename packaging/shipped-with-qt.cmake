# What a build that carries its own Qt ships beside the game (the Windows zip,
# the browser's folder), packed as one archive: the Japanese gothic the layout
# was drawn to, every licence, Qt's with where its source came from. The
# including file first sets the Qt platform plugin, how Qt is linked
# (ZENTAP3_QT_PLATFORM, ZENTAP3_QT_LINKING), and the archive's generator and
# name (CPACK_GENERATOR, CPACK_PACKAGE_FILE_NAME).
install(FILES ${ZENTAP3_SHIPPED_GOTHIC} DESTINATION fonts)
install(FILES /usr/share/doc/fonts-ipafont-gothic/copyright DESTINATION licences RENAME IPAfont.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licences RENAME Zentap3.txt)
configure_file(qt-notice.txt.in qt-notice.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt-notice.txt DESTINATION licences RENAME Qt.txt)
install(FILES ${ZENTAP3_QT_SOURCE}/LICENSES/LGPL-3.0-only.txt ${ZENTAP3_QT_SOURCE}/LICENSES/GPL-3.0-only.txt
  DESTINATION licences/Qt)

set(CPACK_PACKAGE_NAME zentap3)
set(CPACK_PACKAGE_VENDOR "The Zentap3 developers")
include(CPack)
