# How fast the simulator plays: regular spins a second on one core, meters, Bell Pool
# and rolls carried.
if(benchmark_FOUND)
  add_executable(simulator_bench ${CMAKE_CURRENT_SOURCE_DIR}/simulator_bench.cpp)
  set_target_properties(simulator_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_libraries(simulator_bench PRIVATE vantello_analysis vantello_rules vantello_platform benchmark::benchmark_main)
endif()
