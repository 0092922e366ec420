# The manual's test reads the copy in the program folder, so build that copy first.
if(TARGET vantello_tests AND TARGET vantello_help)
  add_dependencies(vantello_tests vantello_help)
endif()
