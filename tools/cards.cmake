# The playing cards of the Double or Nothing table, drawn with Cairo at build time and
# compiled into the game as the library vantello_card_pictures.
if(NOT TARGET PkgConfig::CAIRO)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
endif()

add_executable(vantello_gen_cards ${CMAKE_CURRENT_SOURCE_DIR}/gen_cards.cpp
               ${CMAKE_CURRENT_SOURCE_DIR}/art/embed.cpp ${CMAKE_CURRENT_SOURCE_DIR}/gen_assets_draw.cpp)
target_link_libraries(vantello_gen_cards PRIVATE vantello_platform PkgConfig::CAIRO)
# Keep the generator out of the program folder.
set_target_properties(vantello_gen_cards PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(VANTELLO_CARD_PICTURES_CPP ${CMAKE_BINARY_DIR}/generated/card_pictures.cpp)
add_custom_command(
  OUTPUT ${VANTELLO_CARD_PICTURES_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND vantello_gen_cards ${VANTELLO_CARD_PICTURES_CPP}
  DEPENDS vantello_gen_cards
  COMMENT "Drawing the playing cards"
  VERBATIM)
add_library(vantello_card_pictures STATIC ${VANTELLO_CARD_PICTURES_CPP})

