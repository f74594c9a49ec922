# The Windows zip: the game, the Qt libraries and the platform plugin it
# needs, the MinGW runtime, the Japanese gothic the layout was drawn to, and
# every licence. Unzipped anywhere, it runs; nothing else needs installing.
install(TARGETS zentap3 RUNTIME DESTINATION .)
install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/Qt6Core.dll ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/Qt6Gui.dll
  ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/Qt6Widgets.dll DESTINATION .)
install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qwindows.dll DESTINATION platforms)
# The compiler's own runtime, wherever this MinGW keeps it.
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The MinGW runtime ${runtime} was not found")
  endif()
  install(FILES ${found} DESTINATION .)
endforeach()
# Debug information and symbol tables are of no use to a player and are most
# of the size of the libraries: everything that runs is shipped without them.
install(CODE "file(GLOB_RECURSE binaries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\"
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.exe\")
  execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${binaries} COMMAND_ERROR_IS_FATAL ANY)")

# A Windows without Japanese fonts still shows every text in it: the gothic
# comes along, with the licences.
set(ZENTAP3_QT_PLATFORM Windows)
set(ZENTAP3_QT_LINKING "The libraries are unmodified, dynamically
linked, and may be replaced by any compatible build of your own.")
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME zentap3-${PROJECT_VERSION}-windows-x64)
include(shipped-with-qt.cmake)
