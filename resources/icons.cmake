# The application icon for the desktop's icon theme: the SVG for any size, and PNGs at the
# sizes menus, panels and docks ask for, drawn from the SVG when the program is built (some
# docks read no SVG, and the others would scale it on every start).
find_package(Qt6 REQUIRED COMPONENTS Svg)

add_executable(render_icon ${CMAKE_CURRENT_LIST_DIR}/icons/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)
# A build tool: it stays out of bin/, which holds what is installed.
set_target_properties(render_icon PROPERTIES AUTOMOC OFF
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(FEASTBOOK_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_files)
foreach(size IN LISTS FEASTBOOK_ICON_SIZES)
  # The 16-pixel picture is drawn on the pixel grid; the large design would blur at that size.
  if(size EQUAL 16)
    set(svg ${CMAKE_CURRENT_LIST_DIR}/icons/feastbook-16.svg)
  else()
    set(svg ${CMAKE_CURRENT_LIST_DIR}/icons/feastbook.svg)
  endif()
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
  add_custom_command(OUTPUT ${folder}/feastbook.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND render_icon ${svg} ${size} ${folder}/feastbook.png
    DEPENDS render_icon ${svg}
    COMMENT "Drawing the ${size}x${size} application icon"
    VERBATIM)
  list(APPEND icon_files ${folder}/feastbook.png)
  install(FILES ${folder}/feastbook.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(feastbook_icons ALL DEPENDS ${icon_files})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/feastbook.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
