# Installs the built game into a scratch prefix and plays the installed copy under Xvfb.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN AND TARGET vantello)
  add_test(NAME gui.install
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                   bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/install_test.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(gui.install PROPERTIES TIMEOUT 180 RESOURCE_LOCK xserver)
endif()
