# The layout's places for a screen width as shell variables, for the window tests.
if(TARGET vantello_builtin_pictures)
  add_executable(vantello_layout_facts ${CMAKE_CURRENT_SOURCE_DIR}/layout_facts.cpp)
  target_link_libraries(vantello_layout_facts PRIVATE vantello_view vantello_machine vantello_rules
                        vantello_platform vantello_builtin_pictures)
  # A test's helper: kept out of the program folder.
  set_target_properties(vantello_layout_facts PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()
