# The real game under Xvfb.

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

# A window test: the script runs under its own Xvfb screen of the given size. Each test
# starts looking for a free display at its own number, so tests and other X servers
# starting at the same moment do not race for one display.
set_property(GLOBAL PROPERTY VANTELLO_NEXT_DISPLAY 120)
function(vantello_gui_test name size script)
  get_property(display GLOBAL PROPERTY VANTELLO_NEXT_DISPLAY)
  math(EXPR next "${display} + 10")
  set_property(GLOBAL PROPERTY VANTELLO_NEXT_DISPLAY ${next})
  add_test(NAME ${name}
           COMMAND ${XVFB_RUN} -a -n ${display} -s "-screen 0 ${size}x24"
                   bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/${script} ${ARGN})
  set_tests_properties(${name} PROPERTIES TIMEOUT 240 RESOURCE_LOCK xserver)
endfunction()

if(XVFB_RUN AND TARGET vantello)
  foreach(size 640x480 800x600 1024x768)
    string(REPLACE "x" ";" wh ${size})
    list(GET wh 0 width)
    list(GET wh 1 height)
    vantello_gui_test(gui.window_${size} ${size} window_test.sh $<TARGET_FILE:vantello> ${width} ${height}
                      $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>)
  endforeach()
  vantello_gui_test(gui.saved_game 800x600 saved_game_test.sh $<TARGET_FILE:vantello>
                   $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>)
  vantello_gui_test(gui.bar_rolls 1024x768 bar_rolls_test.sh $<TARGET_FILE:vantello>
                   $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>)
  vantello_gui_test(gui.missing_artwork 1024x768 missing_art_test.sh $<TARGET_FILE:vantello>)
endif()
