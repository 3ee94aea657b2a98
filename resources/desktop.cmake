# The desktop's view of the program: the menu entry, the entry that starts it at login and the
# AppStream description that software centres list.
set(FEASTBOOK_APP_ID org.feastbook.Feastbook)
set(menu_entry ${CMAKE_CURRENT_LIST_DIR}/linux/${FEASTBOOK_APP_ID}.desktop)
set(autostart_entry ${FEASTBOOK_BUILD_DATADIR}/autostart/${FEASTBOOK_APP_ID}.desktop)

# The login entry is the menu entry plus the keys that only a session start reads, so the two
# always agree on Exec, Icon and StartupWMClass. It lives in the data folder (the build tree's
# too), from where "feastbook --autostart on" copies it to the user's autostart folder.
file(READ ${menu_entry} FEASTBOOK_MENU_ENTRY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${menu_entry})
configure_file(${CMAKE_CURRENT_LIST_DIR}/linux/autostart/${FEASTBOOK_APP_ID}.desktop.in
               ${autostart_entry} @ONLY)

install(FILES ${menu_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${autostart_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/feastbook/autostart)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/linux/${FEASTBOOK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
