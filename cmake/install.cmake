# Installs the program, the command-line tool and the desktop integration (menu entry and
# icon) under the usual prefix layout.
include(GNUInstallDirs)

foreach(target orvella orvella-cli)
    if(TARGET ${target})
        install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/orvella.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvella.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/orvella.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
