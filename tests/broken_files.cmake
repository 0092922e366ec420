# The real game with its pictures, sounds and manual broken in turn, under Xvfb.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN AND TARGET vantello)
  add_test(NAME gui.broken_files
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                   bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/broken_files_test.sh $<TARGET_FILE:vantello>)
  set_tests_properties(gui.broken_files PROPERTIES TIMEOUT 400 RESOURCE_LOCK xserver)
endif()
