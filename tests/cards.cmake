# The card table's tests draw with the real card pictures.
if(TARGET vantello_tests AND TARGET vantello_card_pictures)
  target_link_libraries(vantello_tests PRIVATE vantello_card_pictures)
endif()
