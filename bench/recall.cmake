# How long keeping one game in the recall takes, the whole file written as after every game.
if(benchmark_FOUND)
  add_executable(recall_bench ${CMAKE_CURRENT_SOURCE_DIR}/recall_bench.cpp)
  set_target_properties(recall_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_libraries(recall_bench PRIVATE vantello_persistence vantello_rules vantello_platform benchmark::benchmark_main)
endif()
