# The artwork, sounds and built-in pictures, drawn at build time with Cairo. Cairo is
# needed only by the generator; the game itself never links it.
if(NOT TARGET PkgConfig::CAIRO)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
endif()

file(GLOB GEN_ASSETS_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gen_assets*.cpp)
add_executable(vantello_gen_assets ${GEN_ASSETS_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/art/embed.cpp)
# The pay chart takes its figures from the pay rules.
target_link_libraries(vantello_gen_assets PRIVATE vantello_rules vantello_platform PkgConfig::CAIRO)
# Keep the generator out of the program folder.
set_target_properties(vantello_gen_assets PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(VANTELLO_ASSET_FILES
  Backsm.bmp Backs256.bmp Backlg.bmp Backlg2.bmp
  Cherry64.bmp Che64256.bmp Cherry96.bmp Che96256.bmp
  Motion2.bmp Moti2256.bmp Motion.bmp Motio256.bmp
  Cher64on.bmp Cher64of.bmp C64on256.bmp C64of256.bmp
  Cher96on.bmp Cher96of.bmp C96on256.bmp C96of256.bmp
  Cherbut0.bmp Cherbut1.bmp Cbut0256.bmp Cbut1256.bmp
  Box.bmp Spin.bmp Stop.bmp Paychart.bmp
  Cherry0.wav Cherry1.wav Cherry2.wav Cherry4.wav Cherry5.wav
  Cherry6.wav Cherry7.wav Cherry8.wav Cherry9.wav Cherry10.wav)
list(TRANSFORM VANTELLO_ASSET_FILES PREPEND ${VANTELLO_PROGRAM_DIR}/ OUTPUT_VARIABLE VANTELLO_ASSET_PATHS)
# The large layout's pictures drawn again at two and three times their size, for a window
# that composes the layout larger and brings it down to its own size.
set(VANTELLO_TWIN_FILES
  Backlg.bmp Cherry96.bmp Motion.bmp Cher96on.bmp Cher96of.bmp Cherbut1.bmp
  Box.bmp Spin.bmp Stop.bmp Paychart.bmp
  SpinBtn.bmp StopBtn.bmp Logo.bmp Options.bmp DigitsSmall.bmp GreenSmall.bmp
  DigitsLarge.bmp GreenLarge.bmp PlusMinus.bmp PlusSmall.bmp Bonus.bmp Bar.bmp)
foreach(scale 2 3)
  list(TRANSFORM VANTELLO_TWIN_FILES PREPEND ${VANTELLO_PROGRAM_DIR}/${scale}x/
       OUTPUT_VARIABLE VANTELLO_TWIN_PATHS_${scale}X)
endforeach()
set(VANTELLO_BUILTIN_PICTURES_CPP ${CMAKE_BINARY_DIR}/generated/builtin_pictures.cpp)

add_custom_command(
  OUTPUT ${VANTELLO_ASSET_PATHS} ${VANTELLO_TWIN_PATHS_2X} ${VANTELLO_TWIN_PATHS_3X}
         ${VANTELLO_BUILTIN_PICTURES_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTELLO_PROGRAM_DIR} ${VANTELLO_PROGRAM_DIR}/2x
          ${VANTELLO_PROGRAM_DIR}/3x ${CMAKE_BINARY_DIR}/generated
  COMMAND vantello_gen_assets ${VANTELLO_PROGRAM_DIR} ${VANTELLO_BUILTIN_PICTURES_CPP}
  DEPENDS vantello_gen_assets
  COMMENT "Drawing the artwork and sounds"
  VERBATIM)
add_custom_target(vantello_assets DEPENDS ${VANTELLO_ASSET_PATHS} ${VANTELLO_TWIN_PATHS_2X}
                  ${VANTELLO_TWIN_PATHS_3X} ${VANTELLO_BUILTIN_PICTURES_CPP})

add_library(vantello_builtin_pictures STATIC ${VANTELLO_BUILTIN_PICTURES_CPP})
# The generated source belongs to vantello_assets; running that first keeps the
# generator from being started twice in a parallel build.
add_dependencies(vantello_builtin_pictures vantello_assets)

if(TARGET vantello)
  add_dependencies(vantello vantello_assets)
endif()
