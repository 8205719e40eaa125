# Installation as a desktop program (cmake --install) and the Debian package (cpack -G DEB).

set(PRAMO_APP_ID cz.tavor.Pramo)
set(resources ${PROJECT_SOURCE_DIR}/resources)

# Man pages, from their scdoc sources.
find_program(SCDOC scdoc REQUIRED)
set(man_pages)
foreach(page pramo pramo-calc pramo-db)
  set(man ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1)
  add_custom_command(OUTPUT ${man} COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
                     COMMAND ${SCDOC} < ${resources}/man/${page}.1.scd > ${man}
                     DEPENDS ${resources}/man/${page}.1.scd VERBATIM)
  list(APPEND man_pages ${man})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})

configure_file(${resources}/desktop/${PRAMO_APP_ID}.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/${PRAMO_APP_ID}.metainfo.xml
               @ONLY)

set(tools pramo-calc pramo-db)
if(TARGET pramo)
  list(PREPEND tools pramo)
  install(FILES ${resources}/desktop/${PRAMO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PRAMO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(DIRECTORY ${resources}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
install(TARGETS ${tools} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pramo_certificate LIBRARY DESTINATION ${PRAMO_MODULE_DIR})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(tool pramo-calc pramo-db)
  install(FILES ${resources}/completion/pramo-tools.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME ${tool})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pramo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pramo)

# The Debian package.
set(CPACK_PACKAGE_NAME pramo)
set(CPACK_PACKAGE_VENDOR Tavor)
set(CPACK_PACKAGE_CONTACT "Tavor <pramo@tavor.cz>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design and check differential-pressure flow meters by ISO 5167")
set(CPACK_PACKAGE_DESCRIPTION
    "Pramo sizes and checks orifice plates, nozzles and Venturi tubes by ČSN EN ISO 5167 for steam, water, air and
user gases and liquids, stores numbered calculations in database files shared by several users with logins
and prints certificates. The tools pramo-calc and pramo-db run calculations and work with the databases from
scripts.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY pramo)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The certificates are laid out in the Liberation fonts; Qt's own dialogs speak Czech with its translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
