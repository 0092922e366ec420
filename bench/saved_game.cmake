# How long a game takes to load and save when the saved-game file is as large as allowed.
if(benchmark_FOUND)
  add_executable(saved_game_bench ${CMAKE_CURRENT_SOURCE_DIR}/saved_game_bench.cpp)
  set_target_properties(saved_game_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_libraries(saved_game_bench PRIVATE vantello_persistence vantello_rules vantello_platform benchmark::benchmark_main)
endif()
