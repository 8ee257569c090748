# Installs the program, the command-line tool and the desktop integration (menu entry, icons,
# AppStream metadata, the plan file type, manual pages) under the usual prefix layout.
include(GNUInstallDirs)

# The id of the desktop entry, the metainfo and the MIME definition.
set(ORVELLA_APP_ID org.orvella.Orvella)
# The date of the release that project() names; set it with the version.
set(ORVELLA_RELEASE_DATE 2026-12-08)
set(ORVELLA_HOMEPAGE "https://orvella.org/" CACHE STRING
    "Home page named by the AppStream metadata and the Debian package")
set(ORVELLA_SCREENSHOTS_URL "${ORVELLA_HOMEPAGE}images/" CACHE STRING
    "Where the pictures of docs/images are published (AppStream screenshots)")

set(ORVELLA_DATA_DIR ${CMAKE_BINARY_DIR}/data)
configure_file(${CMAKE_SOURCE_DIR}/data/${ORVELLA_APP_ID}.metainfo.xml.in
    ${ORVELLA_DATA_DIR}/${ORVELLA_APP_ID}.metainfo.xml @ONLY)
set(ORVELLA_MAN_PAGES)
foreach(page orvella.1 orvella-cli.1)
    configure_file(${CMAKE_SOURCE_DIR}/data/man/${page} ${ORVELLA_DATA_DIR}/man/${page} @ONLY)
    # -n: no name or time stamp inside, so the package is reproducible.
    add_custom_command(OUTPUT ${ORVELLA_DATA_DIR}/man/${page}.gz
        COMMAND gzip -9nkf ${ORVELLA_DATA_DIR}/man/${page}
        DEPENDS ${ORVELLA_DATA_DIR}/man/${page}
        COMMENT "Compressing the manual page ${page}")
    list(APPEND ORVELLA_MAN_PAGES ${ORVELLA_DATA_DIR}/man/${page}.gz)
endforeach()
add_custom_target(orvella_man_pages ALL DEPENDS ${ORVELLA_MAN_PAGES})

foreach(target orvella orvella-cli)
    if(TARGET ${target})
        install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/${ORVELLA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvella.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvella.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${ORVELLA_DATA_DIR}/${ORVELLA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/${ORVELLA_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${ORVELLA_APP_ID}.xml)
install(FILES ${ORVELLA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvella RENAME copyright)
