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

# The real game in each language, and its saved game read back in the next language.
if(XVFB_RUN AND TARGET vantello AND VANTELLO_LANGUAGES)
  list(LENGTH VANTELLO_LANGUAGES count)
  set(display 320)
  foreach(lang ${VANTELLO_LANGUAGES})
    list(FIND VANTELLO_LANGUAGES ${lang} at)
    math(EXPR next "(${at} + 1) % ${count}")
    list(GET VANTELLO_LANGUAGES ${next} other)
    add_test(NAME gui.language_${lang}
             COMMAND ${XVFB_RUN} -a -n ${display} -s "-screen 0 1024x768x24 -noreset"
                     bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/language_test.sh $<TARGET_FILE:vantello> ${lang} ${other}
                     ${VANTELLO_LOCPATH} $<TARGET_FILE:vantello_fixed_time> $<TARGET_FILE:vantello_find_seed>
                     $<TARGET_FILE:vantello_layout_facts>)
    set_tests_properties(gui.language_${lang} PROPERTIES TIMEOUT 240 RESOURCE_LOCK xserver LABELS window
                         FIXTURES_REQUIRED players_locales)
    math(EXPR display "${display} + 1")
  endforeach()
endif()
