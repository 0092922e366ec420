# `cmake --install` in the GNU layout: the game in bin/, its artwork, sounds, manual and
# pay chart in share/vantello/ (where it finds them from its own place), the 2x and 3x
# pictures in share/vantello/2x/ and 3x/, and the desktop entry, icons and AppStream
# description where desktops look for them.
include(GNUInstallDirs)

if(TARGET vantello)
  if(NOT TARGET PkgConfig::CAIRO)
    pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
  endif()
  # The icon reuses the artwork generator's drawing of the seven and the cherries.
  add_executable(vantello_gen_icons ${CMAKE_CURRENT_SOURCE_DIR}/gen_icons.cpp
                 ${CMAKE_CURRENT_SOURCE_DIR}/gen_assets_draw.cpp
                 ${CMAKE_CURRENT_SOURCE_DIR}/gen_assets_symbols.cpp)
  target_link_libraries(vantello_gen_icons PRIVATE vantello_platform PkgConfig::CAIRO)
  # Keep the generator out of the program folder.
  set_target_properties(vantello_gen_icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

  set(VANTELLO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  set(VANTELLO_ICON_SIZES 48 64 128 256)
  set(VANTELLO_ICON_FILES ${VANTELLO_ICON_DIR}/vantello.svg)
  foreach(size ${VANTELLO_ICON_SIZES})
    list(APPEND VANTELLO_ICON_FILES ${VANTELLO_ICON_DIR}/vantello-${size}.png)
  endforeach()
  add_custom_command(
    OUTPUT ${VANTELLO_ICON_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTELLO_ICON_DIR}
    COMMAND vantello_gen_icons ${VANTELLO_ICON_DIR} ${VANTELLO_ICON_SIZES}
    DEPENDS vantello_gen_icons
    COMMENT "Drawing the desktop icons"
    VERBATIM)
  add_custom_target(vantello_icons ALL DEPENDS ${VANTELLO_ICON_FILES})

  install(TARGETS vantello RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${VANTELLO_ASSET_PATHS} ${VANTELLO_HELP_OUTPUTS}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/vantello)
  install(FILES ${VANTELLO_TWIN_PATHS_2X} ${VANTELLO_CARD_TWIN_PATHS_2X} ${VANTELLO_DIALOG_TWIN_PATHS_2X}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/vantello/2x)
  install(FILES ${VANTELLO_TWIN_PATHS_3X} ${VANTELLO_CARD_TWIN_PATHS_3X} ${VANTELLO_DIALOG_TWIN_PATHS_3X}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/vantello/3x)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/vantello.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/vantello.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size ${VANTELLO_ICON_SIZES})
    install(FILES ${VANTELLO_ICON_DIR}/vantello-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME vantello.png)
  endforeach()
  install(FILES ${VANTELLO_ICON_DIR}/vantello.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
