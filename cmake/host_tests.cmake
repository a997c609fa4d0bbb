# Host build: the same logic, linked against the in-memory console and
# registry, tested with GoogleTest.
if(NOT CLEANER_TESTS)
  return()
endif()

find_package(GTest REQUIRED)
enable_testing()
include(GoogleTest)

add_executable(cleaner_tests
  tests/fake_console.cpp
  tests/fake_registry.cpp
  tests/cleaner_test.cpp
  tests/removal_test.cpp
  tests/key_event_test.cpp)
target_link_libraries(cleaner_tests PRIVATE cleaner_core GTest::gtest_main)
gtest_discover_tests(cleaner_tests)
