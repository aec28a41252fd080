# The player installed as a desktop program: the program with the web-view module,
# Ruffle's files and the demo collection beside it (where it looks for them) in
# lib/tessel/, a link to it in bin/, its desktop entry, icons and AppStream metadata.
# tessel-pack goes to bin/ too: it makes packages of collections from this install;
# and vxskin, for skin authors. Each has its manual page.
set(TESSEL_PROGRAM_DIR ${TESSEL_INSTALL_MODULE_DIR})
set_target_properties(tessel PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS tessel RUNTIME DESTINATION ${TESSEL_PROGRAM_DIR})
install(FILES ${TESSEL_DEMO_CONTENT} DESTINATION ${TESSEL_PROGRAM_DIR})
install(TARGETS tessel-pack vxskin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/tessel.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/tessel-pack.1 ${PROJECT_SOURCE_DIR}/docs/man/vxskin.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(EXISTS ${TESSEL_RUFFLE_DIR}/ruffle.js)
  install(DIRECTORY ${TESSEL_RUFFLE_DIR}/ DESTINATION ${TESSEL_PROGRAM_DIR}/ruffle)
endif()
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK ../${TESSEL_PROGRAM_DIR}/tessel
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tessel\" SYMBOLIC)
")
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/tessel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/dev.tessel.player.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${TESSEL_ICON_SIZES})
  install(FILES ${TESSEL_ICON_DIR}/tessel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tessel.png)
endforeach()
