# vantello-sim par and run, as the player of the tool runs them.
if(TARGET vantello-sim)
  add_test(NAME sim_par
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/sim_par_test.sh $<TARGET_FILE:vantello-sim>)
endif()
