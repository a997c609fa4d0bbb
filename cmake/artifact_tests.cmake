# Checks of the built file itself, and that two builds give the same bytes.
add_test(NAME artifact.exe
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/artifact/check_exe.sh
          $<TARGET_FILE:LinkoraCleaner> ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_BINARY_DIR})
add_test(NAME artifact.reproducible
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/artifact/reproducible.sh ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME artifact.refuses_64bit
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/artifact/refuses_64bit.sh ${CMAKE_CURRENT_SOURCE_DIR})
set_tests_properties(artifact.exe artifact.reproducible artifact.refuses_64bit PROPERTIES TIMEOUT 300)
