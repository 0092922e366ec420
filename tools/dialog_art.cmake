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
add_custom_command(
  OUTPUT ${VANTELLO_DIALOG_PICTURES_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND vantello_gen_dialog_art ${VANTELLO_DIALOG_PICTURES_CPP}
  DEPENDS vantello_gen_dialog_art
  COMMENT "Drawing the dialogs' button pictures"
  VERBATIM)
add_library(vantello_dialog_pictures STATIC ${VANTELLO_DIALOG_PICTURES_CPP})

