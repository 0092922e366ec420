# `cmake --install` in the GNU layout: the game in bin/, its artwork, sounds, manual and
# pay chart in share/vantello/ (where it finds them from its own place), the 2x and 3x
# pictures in share/vantello/2x/ and 3x/, vantello-sim in bin/, the manual pages, and the
# desktop entry, icons and AppStream description where desktops look for them.
# The Debian package (scripts/package) moves the game to games/ and its files to
# share/games/vantello/, Debian's places for games; the game looks in both.
include(GNUInstallDirs)
set(VANTELLO_GAME_DIR ${CMAKE_INSTALL_BINDIR} CACHE STRING "Where the game is installed, under the prefix")
set(VANTELLO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vantello CACHE STRING
    "Where the game's files are installed, under the prefix: ../share/vantello or ../share/games/vantello from the game")
# The menu's command: the plain name finds the game on PATH wherever the prefix is; the
# package names its fixed place, which is on no PATH of root's and not always in a session's.
set(VANTELLO_DESKTOP_EXEC vantello CACHE STRING "The command of the desktop entry")

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

  install(TARGETS vantello RUNTIME DESTINATION ${VANTELLO_GAME_DIR})
  install(TARGETS vantello-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${VANTELLO_ASSET_PATHS} ${VANTELLO_HELP_OUTPUTS}
          DESTINATION ${VANTELLO_DATA_DIR})
  install(FILES ${VANTELLO_TWIN_PATHS_2X} ${VANTELLO_CARD_TWIN_PATHS_2X} ${VANTELLO_DIALOG_TWIN_PATHS_2X}
          DESTINATION ${VANTELLO_DATA_DIR}/2x)
  install(FILES ${VANTELLO_TWIN_PATHS_3X} ${VANTELLO_CARD_TWIN_PATHS_3X} ${VANTELLO_DIALOG_TWIN_PATHS_3X}
          DESTINATION ${VANTELLO_DATA_DIR}/3x)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/man/vantello.6 ${CMAKE_SOURCE_DIR}/assets/man/vantello-sim.6
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  # The menu entry and the AppStream description in every language of po/LINGUAS, merged
  # from the game's own catalogues.
  configure_file(${CMAKE_SOURCE_DIR}/assets/desktop/vantello.desktop.in ${CMAKE_BINARY_DIR}/vantello.desktop.en @ONLY)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/vantello.desktop
    COMMAND ${MSGFMT} --desktop --template=${CMAKE_BINARY_DIR}/vantello.desktop.en -d ${CMAKE_SOURCE_DIR}/po
            -o ${CMAKE_BINARY_DIR}/vantello.desktop
    DEPENDS ${CMAKE_BINARY_DIR}/vantello.desktop.en ${VANTELLO_PO_FILES} ${CMAKE_SOURCE_DIR}/po/LINGUAS
    COMMENT "Merging the menu entry's translations"
    VERBATIM)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/vantello.metainfo.xml
    COMMAND ${MSGFMT} --xml --template=${CMAKE_SOURCE_DIR}/assets/desktop/vantello.metainfo.xml
            -d ${CMAKE_SOURCE_DIR}/po -o ${CMAKE_BINARY_DIR}/vantello.metainfo.xml
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/desktop/vantello.metainfo.xml ${VANTELLO_PO_FILES}
            ${CMAKE_SOURCE_DIR}/po/LINGUAS
    COMMENT "Merging the AppStream description's translations"
    VERBATIM)
  add_custom_target(vantello_desktop_files ALL
                    DEPENDS ${CMAKE_BINARY_DIR}/vantello.desktop ${CMAKE_BINARY_DIR}/vantello.metainfo.xml)
  install(FILES ${CMAKE_BINARY_DIR}/vantello.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_BINARY_DIR}/vantello.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size ${VANTELLO_ICON_SIZES})
    install(FILES ${VANTELLO_ICON_DIR}/vantello-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME vantello.png)
  endforeach()
  install(FILES ${VANTELLO_ICON_DIR}/vantello.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
