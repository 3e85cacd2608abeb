# cmake --install: the programs in bin/, the starter of the desktop entries
# in libexec/vemo/, the icons, and a desktop entry for each program that
# names them under the prefix given at install time.
install(TARGETS vemo vemdraw RUNTIME DESTINATION bin)
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/inworkfolder DESTINATION libexec/vemo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vemo.svg ${CMAKE_CURRENT_LIST_DIR}/vemdraw.svg
        DESTINATION share/icons/hicolor/scalable/apps)
foreach(program vemo vemdraw)
  install(CODE "
    set(libexec \"\${CMAKE_INSTALL_PREFIX}/libexec/vemo\")
    set(icons \"\${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/scalable/apps\")
    set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/${program}.desktop\")
    message(STATUS \"Installing: \${entry}\")
    configure_file(\"${CMAKE_CURRENT_LIST_DIR}/${program}.desktop.in\" \"\${entry}\" @ONLY)")
endforeach()
