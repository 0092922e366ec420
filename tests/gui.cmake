# The real game under Xvfb, on three screen sizes.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN AND TARGET vantello)
  foreach(size 640x480 800x600 1024x768)
    string(REPLACE "x" ";" wh ${size})
    list(GET wh 0 width)
    list(GET wh 1 height)
    add_test(NAME gui.window_${size}
             COMMAND ${XVFB_RUN} -a -s "-screen 0 ${size}x24"
                     bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/window_test.sh $<TARGET_FILE:vantello> ${width} ${height})
    set_tests_properties(gui.window_${size} PROPERTIES TIMEOUT 120 RESOURCE_LOCK xserver)
  endforeach()
endif()

if(XVFB_RUN AND TARGET vantello)
  add_test(NAME gui.saved_game
           COMMAND ${XVFB_RUN} -a -s "-screen 0 800x600x24"
                   bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/saved_game_test.sh $<TARGET_FILE:vantello>)
  set_tests_properties(gui.saved_game PROPERTIES TIMEOUT 180 RESOURCE_LOCK xserver)
endif()
