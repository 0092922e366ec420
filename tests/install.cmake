# Installs the built game into a scratch prefix and plays the installed copy under Xvfb.
if(XVFB_RUN AND TARGET vantello)
  vantello_gui_test(gui.install 1024x768 install_test.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(gui.install PROPERTIES LABELS package)
endif()
