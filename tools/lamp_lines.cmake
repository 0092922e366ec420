# The return's straight line in the bonus lamp's chance for every bet, worked out by the
# analysis when the game is built and compiled in as the library vantello_lamp_lines:
# the statistics window shows the return at the player's skill without waiting for it.
add_executable(vantello_gen_lamp_lines ${CMAKE_CURRENT_SOURCE_DIR}/gen_lamp_lines.cpp)
target_link_libraries(vantello_gen_lamp_lines PRIVATE vantello_analysis vantello_rules vantello_platform)
set_target_properties(vantello_gen_lamp_lines PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(VANTELLO_LAMP_LINES_CPP ${CMAKE_BINARY_DIR}/generated/lamp_lines.cpp)
add_custom_command(
  OUTPUT ${VANTELLO_LAMP_LINES_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND vantello_gen_lamp_lines ${VANTELLO_LAMP_LINES_CPP}
  DEPENDS vantello_gen_lamp_lines
  COMMENT "Working out the return against the bonus lamp's chance for every bet"
  VERBATIM)
add_library(vantello_lamp_lines STATIC ${VANTELLO_LAMP_LINES_CPP})
target_link_libraries(vantello_lamp_lines PUBLIC vantello_analysis vantello_rules vantello_platform)
