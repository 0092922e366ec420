# The real game under Xvfb, on three screen sizes.

# A fixed time of day makes the spins of a window test known in advance.
add_library(vantello_fixed_time SHARED ${CMAKE_CURRENT_SOURCE_DIR}/gui/fixed_time.c)
target_link_libraries(vantello_fixed_time PRIVATE dl)
# Preloaded ahead of everything: it must not need the sanitizers' runtime itself.
target_compile_options(vantello_fixed_time PRIVATE -fno-sanitize=all)
target_link_options(vantello_fixed_time PRIVATE -fno-sanitize=all)
add_executable(vantello_find_seed ${CMAKE_CURRENT_SOURCE_DIR}/gui/find_seed.cpp)
target_link_libraries(vantello_find_seed PRIVATE vantello_game)
set_target_properties(vantello_find_seed PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN AND TARGET vantello)
  foreach(size 640x480 800x600 1024x768)
    string(REPLACE "x" ";" wh ${size})
    list(GET wh 0 width)
    list(GET wh 1 height)
    add_test(NAME gui.window_${size}
             COMMAND ${XVFB_RUN} -a -s "-screen 0 ${size}x24"
                     bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/window_test.sh $<TARGET_FILE:vantello> ${width} ${height}
                     $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>)
    set_tests_properties(gui.window_${size} PROPERTIES TIMEOUT 120 RESOURCE_LOCK xserver)
  endforeach()
endif()

if(XVFB_RUN AND TARGET vantello)
  add_test(NAME gui.saved_game
           COMMAND ${XVFB_RUN} -a -s "-screen 0 800x600x24"
                   bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/saved_game_test.sh $<TARGET_FILE:vantello>
                   $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>)
  set_tests_properties(gui.saved_game PROPERTIES TIMEOUT 180 RESOURCE_LOCK xserver)
endif()

if(XVFB_RUN AND TARGET vantello)
  add_test(NAME gui.bar_rolls
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                   bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/bar_rolls_test.sh $<TARGET_FILE:vantello>
                   $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>)
  set_tests_properties(gui.bar_rolls PROPERTIES TIMEOUT 180 RESOURCE_LOCK xserver)
endif()

if(XVFB_RUN AND TARGET vantello)
  add_test(NAME gui.missing_artwork
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                   bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/missing_art_test.sh $<TARGET_FILE:vantello>)
  set_tests_properties(gui.missing_artwork PROPERTIES TIMEOUT 120 RESOURCE_LOCK xserver)
endif()
