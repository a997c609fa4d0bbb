# The Windows programs under Wine, driven through a terminal. Every test
# copies one prepared prefix, made by the wine.prefix fixture.
set(wine_dir ${CMAKE_BINARY_DIR}/wine)
set(wine_base ${wine_dir}/base-prefix)
set(wine_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine)

add_test(NAME wine.prefix COMMAND bash ${wine_tests}/make_prefix.sh ${wine_base})
set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 400)

add_test(NAME wine.readkey
  COMMAND bash ${wine_tests}/readkey.sh $<TARGET_FILE:readkey_test> ${wine_base} ${wine_dir})
set_tests_properties(wine.readkey PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 180)

foreach(scenario declined consent nothing_present maker_key_without_value
                 keys_that_do_not_answer type_ahead no_console on_screen)
  add_test(NAME wine.cleaner.${scenario}
    COMMAND bash ${wine_tests}/cleaner_e2e.sh $<TARGET_FILE:LinkoraCleaner> ${wine_base} ${wine_dir} ${scenario})
  set_tests_properties(wine.cleaner.${scenario} PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 180)
endforeach()
