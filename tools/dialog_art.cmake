# The pictures of the dialogs' buttons, drawn with Cairo at build time and compiled into
# the game as the library vantello_dialog_pictures. Only the generator links Cairo.
if(NOT TARGET PkgConfig::CAIRO)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
endif()

add_executable(vantello_gen_dialog_art ${CMAKE_CURRENT_SOURCE_DIR}/gen_dialog_art.cpp
               ${CMAKE_CURRENT_SOURCE_DIR}/art/embed.cpp ${CMAKE_CURRENT_SOURCE_DIR}/gen_assets_draw.cpp)
target_link_libraries(vantello_gen_dialog_art PRIVATE vantello_platform PkgConfig::CAIRO)
# Keep the generator out of the program folder.
set_target_properties(vantello_gen_dialog_art PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(VANTELLO_DIALOG_PICTURES_CPP ${CMAKE_BINARY_DIR}/generated/dialog_pictures.cpp)
# The same pictures at 2x and 3x, as files beside the game's other twins.
set(VANTELLO_DIALOG_TWIN_FILES Borrow1000.bmp Borrow100.bmp Borrow10.bmp Borrow1.bmp OkTick.bmp HelpMark.bmp)
foreach(scale 2 3)
  list(TRANSFORM VANTELLO_DIALOG_TWIN_FILES PREPEND ${VANTELLO_PROGRAM_DIR}/${scale}x/
       OUTPUT_VARIABLE VANTELLO_DIALOG_TWIN_PATHS_${scale}X)
endforeach()
add_custom_command(
  OUTPUT ${VANTELLO_DIALOG_PICTURES_CPP} ${VANTELLO_DIALOG_TWIN_PATHS_2X} ${VANTELLO_DIALOG_TWIN_PATHS_3X}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated ${VANTELLO_PROGRAM_DIR}/2x
          ${VANTELLO_PROGRAM_DIR}/3x
  COMMAND vantello_gen_dialog_art ${VANTELLO_DIALOG_PICTURES_CPP} ${VANTELLO_PROGRAM_DIR}
  DEPENDS vantello_gen_dialog_art
  COMMENT "Drawing the dialogs' button pictures"
  VERBATIM)
add_custom_target(vantello_dialog_art DEPENDS ${VANTELLO_DIALOG_PICTURES_CPP} ${VANTELLO_DIALOG_TWIN_PATHS_2X}
                  ${VANTELLO_DIALOG_TWIN_PATHS_3X})
add_library(vantello_dialog_pictures STATIC ${VANTELLO_DIALOG_PICTURES_CPP})
# Running the drawing through its own target first keeps it from being started twice in a
# parallel build, and redraws the twins when one is missing.
add_dependencies(vantello_dialog_pictures vantello_dialog_art)
