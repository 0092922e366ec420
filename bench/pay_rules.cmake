# How fast the pay rules evaluate a window: the simulator calls them millions of times.
if(benchmark_FOUND)
  add_executable(pay_rules_bench ${CMAKE_CURRENT_SOURCE_DIR}/pay_rules_bench.cpp)
  set_target_properties(pay_rules_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_libraries(pay_rules_bench PRIVATE vantello_rules vantello_platform benchmark::benchmark_main)
endif()
