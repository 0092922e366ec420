# The borrow dialog's tests look at the generated button pictures.
if(TARGET vantello_dialog_pictures)
  target_link_libraries(vantello_tests PRIVATE vantello_dialog_pictures)
endif()
