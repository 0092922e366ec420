# vantello-sim, run as the player of the tool would run it.
if(TARGET vantello-sim)
  add_test(NAME sim COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/sim_test.sh $<TARGET_FILE:vantello-sim>)
  set_tests_properties(sim PROPERTIES LABELS unit)
endif()
