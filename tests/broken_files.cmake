# The real game with its pictures, sounds and manual broken in turn, under Xvfb.
if(XVFB_RUN AND TARGET vantello)
  vantello_gui_test(gui.broken_files 1024x768 broken_files_test.sh $<TARGET_FILE:vantello>)
  set_tests_properties(gui.broken_files PROPERTIES TIMEOUT 600)
endif()
