# The real game under Xvfb.

# A fixed time of day makes the spins of a window test known in advance.
add_library(vantello_fixed_time SHARED ${CMAKE_CURRENT_SOURCE_DIR}/gui/fixed_time.c)
target_link_libraries(vantello_fixed_time PRIVATE dl)
# Preloaded ahead of everything: it must not need the sanitizers' runtime itself.
target_compile_options(vantello_fixed_time PRIVATE -fno-sanitize=all)
target_link_options(vantello_fixed_time PRIVATE -fno-sanitize=all)
add_executable(vantello_find_seed ${CMAKE_CURRENT_SOURCE_DIR}/gui/find_seed.cpp)
target_link_libraries(vantello_find_seed PRIVATE vantello_rules vantello_platform)
set_target_properties(vantello_find_seed PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

if(XVFB_RUN AND TARGET vantello)
  # Today's screens (from 1366 wide) run under a window manager: the machine scaled to fit,
  # on 1366x768 below its own size.
  foreach(size 640x480 800x600 1024x768 1366x768 1920x1080 3840x2160)
    string(REPLACE "x" ";" wh ${size})
    list(GET wh 0 width)
    list(GET wh 1 height)
    set(wm "")
    if(width GREATER 1300)
      set(wm wm)
    endif()
    vantello_gui_test(gui.window_${size} ${size} window_test.sh $<TARGET_FILE:vantello> ${width} ${height}
                      $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>
                      $<TARGET_FILE:vantello_layout_facts> ${wm})
  endforeach()
  vantello_gui_test(gui.saved_game 800x600 saved_game_test.sh $<TARGET_FILE:vantello>
                   $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>
                   $<TARGET_FILE:vantello_layout_facts>)
  vantello_gui_test(gui.two_copies 800x600 two_copies_test.sh $<TARGET_FILE:vantello>)
  set_tests_properties(gui.two_copies PROPERTIES SKIP_RETURN_CODE 77)
  vantello_gui_test(gui.focus 1024x768 focus_test.sh $<TARGET_FILE:vantello>
                   $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>
                   $<TARGET_FILE:vantello_layout_facts>)
endif()
