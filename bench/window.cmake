# The cost of drawing the machine's window.
if(benchmark_FOUND AND TARGET vantello_builtin_pictures)
  add_executable(window_bench ${CMAKE_CURRENT_SOURCE_DIR}/window_bench.cpp)
  set_target_properties(window_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_libraries(window_bench PRIVATE vantello_view vantello_machine vantello_rules vantello_null vantello_platform vantello_builtin_pictures benchmark::benchmark_main)
  target_compile_definitions(window_bench PRIVATE VANTELLO_PROGRAM_DIR="${VANTELLO_PROGRAM_DIR}/")
  add_dependencies(window_bench vantello_assets)
endif()
