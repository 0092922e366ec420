# The game in each language of po/LINGUAS, under the locale a player of it has
# (de -> de_DE.UTF-8), built for the tests into the build's locales/ (LOCPATH).
set(VANTELLO_TEST_LOCALES)
foreach(lang ${VANTELLO_LANGUAGES})
  string(TOUPPER ${lang} country)
  list(APPEND VANTELLO_TEST_LOCALES ${lang}_${country})
endforeach()
set(VANTELLO_LOCPATH ${CMAKE_BINARY_DIR}/locales)
if(VANTELLO_TEST_LOCALES)
  add_test(NAME languages.locales
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/make_locales.sh ${VANTELLO_LOCPATH} ${VANTELLO_TEST_LOCALES})
  set_tests_properties(languages.locales PROPERTIES FIXTURES_SETUP players_locales LABELS "unit;window")
endif()

# The environment of a player of `lang`.
function(vantello_player_environment out lang)
  string(TOUPPER ${lang} country)
  set(${out} "LANG=${lang}_${country}.UTF-8;LANGUAGE=;LC_ALL=;LC_MESSAGES=;LOCPATH=${VANTELLO_LOCPATH}"
      PARENT_SCOPE)
endfunction()
