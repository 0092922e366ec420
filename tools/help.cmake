# The player's manual (and any pictures beside it) goes into the program folder, where
# the Help command and the dialogs' Help buttons look for "Vantello.hlp".
file(GLOB VANTELLO_HELP_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/help/*)
set(VANTELLO_HELP_OUTPUTS)
foreach(source ${VANTELLO_HELP_FILES})
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${VANTELLO_PROGRAM_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTELLO_PROGRAM_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${VANTELLO_PROGRAM_DIR}/${name}
    DEPENDS ${source}
    COMMENT "Copying ${name} into the program folder")
  list(APPEND VANTELLO_HELP_OUTPUTS ${VANTELLO_PROGRAM_DIR}/${name})
endforeach()
add_custom_target(vantello_help ALL DEPENDS ${VANTELLO_HELP_OUTPUTS})
if(TARGET vantello)
  add_dependencies(vantello vantello_help)
endif()
