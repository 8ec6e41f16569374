# The tile pictures and the scenery table they are drawn from.
add_executable(test_tiles_scenery ${CMAKE_CURRENT_LIST_DIR}/test_tiles_scenery.cpp)
target_link_libraries(test_tiles_scenery PRIVATE ztrn_engine Qt6::Test)
add_test(NAME tiles-scenery COMMAND test_tiles_scenery)
