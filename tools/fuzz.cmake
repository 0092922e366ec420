# libFuzzer targets, built only with -DVANTELLO_FUZZ=ON and clang (see scripts/fuzz).
# The code under test is compiled into the target itself so the fuzzer sees its coverage.
if(VANTELLO_FUZZ)
  add_executable(fuzz_ini ${CMAKE_CURRENT_LIST_DIR}/fuzz_ini.cpp
                 ${CMAKE_SOURCE_DIR}/platform/profile_file.cpp
                 ${CMAKE_SOURCE_DIR}/persistence/saved_game.cpp)
  target_compile_options(fuzz_ini PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_ini PRIVATE -fsanitize=fuzzer)
  set_target_properties(fuzz_ini PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endif()
