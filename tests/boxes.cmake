# The game's boxes opened for real: they need an X server.
if(XVFB_RUN AND TARGET vantello_fltk)
  add_executable(vantello_boxes_test ${CMAKE_CURRENT_SOURCE_DIR}/gui/boxes_test.cpp)
  set_target_properties(vantello_boxes_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_options(vantello_boxes_test PRIVATE ${FLTK_CXXFLAGS})
  target_link_libraries(vantello_boxes_test PRIVATE vantello_fltk vantello_platform ${FLTK_LDFLAGS} X11
                        GTest::gtest_main)
  add_test(NAME gui.boxes
           COMMAND ${XVFB_RUN} -a -n 310 -s "-screen 0 1024x768x24 -noreset"
                   $<TARGET_FILE:vantello_boxes_test>)
  set_tests_properties(gui.boxes PROPERTIES TIMEOUT 120 RESOURCE_LOCK xserver LABELS window)
endif()
