# One application directory holds the programs and everything they read
# beside them (help, getting-started activity, exercises); launchers on the
# PATH point into it, and the desktop finds the entry and the icon.
include(GNUInstallDirs)
set(VEDO_REPERTOIRE_APPLICATION ${CMAKE_INSTALL_LIBDIR}/vedoriruvirivi)

install(TARGETS vedoriruvirivi vedoriruvirivi-cli vedoriruvirivi-cli-gui RUNTIME DESTINATION ${VEDO_REPERTOIRE_APPLICATION})
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ DESTINATION ${VEDO_REPERTOIRE_APPLICATION}
  FILES_MATCHING
  PATTERN "*.hlp" PATTERN "*.PEM" PATTERN "*.E39" PATTERN "*.C15" PATTERN "*.RTF" PATTERN "*.rtf"
  PATTERN "CMakeFiles" EXCLUDE)

foreach(programme vedoriruvirivi vedoriruvirivi-cli)
  install(CODE "
    set(lien \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${programme}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"../${VEDO_REPERTOIRE_APPLICATION}/${programme}\" \"\${lien}\" SYMBOLIC)
    message(STATUS \"Installing: \${lien}\")")
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/vedoriruvirivi.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/vedoriruvirivi.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(taille 16 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icones/${taille}/vedoriruvirivi.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icones/${taille}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:vedoriruvirivi-cli> icon --size ${taille} -o ${png}
    DEPENDS vedoriruvirivi-cli
    VERBATIM)
  list(APPEND icones ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps)
endforeach()
add_custom_target(icones ALL DEPENDS ${icones})

# A Debian package from the same rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vedoriruvirivi)
set(CPACK_PACKAGE_VENDOR "Vedoriruvirivi")
set(CPACK_PACKAGE_CONTACT "Vedoriruvirivi <vedoriruvirivi@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simulateur de cinétique des réactions des esters pour le lycée")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vedoriruvirivi)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/data/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
