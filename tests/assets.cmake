# The asset tests read the generated files from the program folder, and the built-in
# pictures from their library.
if(TARGET vantello_assets)
  add_dependencies(vantello_tests vantello_assets)
  target_link_libraries(vantello_tests PRIVATE vantello_builtin_pictures)
endif()
