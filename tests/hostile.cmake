# Starts of the whole game against damaged, huge and odd files, one process
# each.
if(TARGET ztrn_ui AND TARGET zorbly-tarnel)
    add_executable(test_hostile ${CMAKE_CURRENT_LIST_DIR}/test_hostile.cpp)
    target_link_libraries(test_hostile PRIVATE ztrn_ui ztrn_testpaths Qt6::Test)
    add_dependencies(test_hostile zorbly-tarnel ztrn_game_files)
    add_test(NAME hostile COMMAND test_hostile)
    set_tests_properties(hostile PROPERTIES TIMEOUT 600)
endif()
