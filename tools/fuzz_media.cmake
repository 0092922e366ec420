# libFuzzer targets for the artwork and sound readers, built only with -DVANTELLO_FUZZ=ON
# and clang (scripts/fuzz runs them). The reader under test is compiled into the target.
if(VANTELLO_FUZZ)
  add_executable(fuzz_bmp ${CMAKE_CURRENT_LIST_DIR}/fuzz_bmp.cpp
                 ${CMAKE_SOURCE_DIR}/platform/bmp.cpp ${CMAKE_SOURCE_DIR}/platform/bitmap.cpp)
  add_executable(fuzz_wav ${CMAKE_CURRENT_LIST_DIR}/fuzz_wav.cpp ${CMAKE_SOURCE_DIR}/platform/wav.cpp)
  foreach(target fuzz_bmp fuzz_wav)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  endforeach()
endif()
