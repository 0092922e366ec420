# Every text measured with the real fonts: the FLTK renderer needs an X server.
if(XVFB_RUN AND TARGET vantello_fltk)
  add_executable(vantello_text_fit ${CMAKE_CURRENT_SOURCE_DIR}/gui/text_fit.cpp
                 ${CMAKE_CURRENT_SOURCE_DIR}/test_machine.cpp)
  set_target_properties(vantello_text_fit PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_options(vantello_text_fit PRIVATE ${FLTK_CXXFLAGS})
  target_link_libraries(vantello_text_fit PRIVATE vantello_app vantello_dialogs vantello_view
                        vantello_persistence vantello_machine vantello_rules vantello_testing
                        vantello_fltk vantello_platform vantello_builtin_pictures
                        ${FLTK_LDFLAGS} X11 GTest::gtest_main)
  target_compile_definitions(vantello_text_fit PRIVATE VANTELLO_PROGRAM_DIR="${VANTELLO_PROGRAM_DIR}/")
  add_test(NAME gui.text_fit
           COMMAND ${XVFB_RUN} -a -n 300 -s "-screen 0 1024x768x24 -noreset"
                   $<TARGET_FILE:vantello_text_fit>)
  set_tests_properties(gui.text_fit PROPERTIES TIMEOUT 120 RESOURCE_LOCK xserver LABELS window)
  # Every text of the machine and the dialogs measured in every language, with the real fonts.
  set(display 310)
  foreach(lang ${VANTELLO_LANGUAGES})
    vantello_player_environment(environment ${lang})
    add_test(NAME gui.text_fit_${lang}
             COMMAND ${XVFB_RUN} -a -n ${display} -s "-screen 0 1024x768x24 -noreset"
                     $<TARGET_FILE:vantello_text_fit>)
    set_tests_properties(gui.text_fit_${lang} PROPERTIES TIMEOUT 120 RESOURCE_LOCK xserver LABELS window
                         ENVIRONMENT "${environment};VANTELLO_EXPECT_LANGUAGE=${lang}"
                         FIXTURES_REQUIRED players_locales)
    math(EXPR display "${display} + 1")
  endforeach()
endif()
