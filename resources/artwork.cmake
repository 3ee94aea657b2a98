# The program's own artwork: the application icon, compiled into the program library (read
# through ApplicationIcon, which also registers it) and installed for the desktop's menus.
qt_add_resources(feastbook_artwork_sources ${CMAKE_CURRENT_LIST_DIR}/feastbook.qrc)
# An object library in the including directory, so the generated source has its build rule
# there; its objects become part of feastbook_core.
add_library(feastbook_artwork OBJECT ${feastbook_artwork_sources})
target_link_libraries(feastbook_artwork PRIVATE Qt6::Core)
target_link_libraries(feastbook_core PRIVATE feastbook_artwork)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/feastbook.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/feastbook-16.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps
        RENAME feastbook.svg)
