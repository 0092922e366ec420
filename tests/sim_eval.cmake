# vantello-sim eval, run as the player of the tool would run it.
if(TARGET vantello-sim)
  add_test(NAME sim_eval
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/sim_eval_test.sh $<TARGET_FILE:vantello-sim>)
endif()
