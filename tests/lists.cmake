# The picture and sound lists, and the records compiled into the game.
add_executable(test_lists ${CMAKE_CURRENT_LIST_DIR}/test_lists.cpp)
target_link_libraries(test_lists PRIVATE ztrn_lists ztrn_testpaths Qt6::Gui Qt6::Test)
add_test(NAME lists COMMAND test_lists)
set_tests_properties(lists PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
