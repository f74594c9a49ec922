# Qt's licence and where its source came from, for a build that ships Qt: the
# including file says which platform plugin and how Qt is linked.
configure_file(qt-notice.txt.in qt-notice.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt-notice.txt DESTINATION licences RENAME Qt.txt)
install(FILES ${ZENTAP3_QT_SOURCE}/LICENSES/LGPL-3.0-only.txt ${ZENTAP3_QT_SOURCE}/LICENSES/GPL-3.0-only.txt
  DESTINATION licences/Qt)
