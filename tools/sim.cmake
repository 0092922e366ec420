# vantello-sim: the game's rules on the command line, headless. It links the rules, the
# machine on its silent face and the analysis, never a window, and lands in the program
# folder beside the game.
file(GLOB SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sim/*.cpp)
add_executable(vantello-sim ${SIM_SOURCES})
target_link_libraries(vantello-sim PRIVATE vantello_analysis vantello_persistence vantello_machine vantello_rules vantello_null
                      vantello_platform)
