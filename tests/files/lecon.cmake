# The lesson reader and writer: no GUI, so also in the sanitizer build.
add_executable(lecon_tests ${CMAKE_CURRENT_LIST_DIR}/lecon_test.cpp)
target_link_libraries(lecon_tests PRIVATE quadrel_files GTest::gtest_main)
gtest_discover_tests(lecon_tests DISCOVERY_TIMEOUT 60)
