# The translations: the template current, every catalogue complete and well formed.
find_program(MSGCMP msgcmp)
if(MSGCMP)
  add_test(NAME po.check COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/po_check.sh ${CMAKE_SOURCE_DIR})
  set_tests_properties(po.check PROPERTIES LABELS unit)
endif()
