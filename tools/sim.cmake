# vantello-sim: the game's rules on the command line, headless. It links only the game
# library and lands in the program folder beside the game.
file(GLOB SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sim/*.cpp)
add_executable(vantello-sim ${SIM_SOURCES})
target_link_libraries(vantello-sim PRIVATE vantello_game)
