# The program's own artwork: the application icon, compiled into the program library (read
# through ApplicationIcon, which also registers it). The desktop's copies are in icons.cmake.
qt_add_resources(feastbook_artwork_sources ${CMAKE_CURRENT_LIST_DIR}/feastbook.qrc)
# An object library in the including directory, so the generated source has its build rule
# there; its objects become part of feastbook_core.
add_library(feastbook_artwork OBJECT ${feastbook_artwork_sources})
target_link_libraries(feastbook_artwork PRIVATE Qt6::Core)
target_link_libraries(feastbook_core PRIVATE feastbook_artwork)
