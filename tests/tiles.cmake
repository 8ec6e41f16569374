# The tile pictures and the scenery table they are drawn from.
add_executable(test_tiles_scenery ${CMAKE_CURRENT_LIST_DIR}/test_tiles_scenery.cpp)
target_link_libraries(test_tiles_scenery PRIVATE ztrn_engine Qt6::Test)
add_test(NAME tiles-scenery COMMAND test_tiles_scenery)

# The drawing code is compiled in directly, so the test needs nothing of the art
# program but the tile files themselves.
file(GLOB tile_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/art/tiles*.cpp
     ${CMAKE_SOURCE_DIR}/tools/art/canvas.cpp)
add_executable(test_tiles ${CMAKE_CURRENT_LIST_DIR}/test_tiles.cpp ${tile_sources})
target_include_directories(test_tiles PRIVATE ${CMAKE_SOURCE_DIR}/tools/art)
target_link_libraries(test_tiles PRIVATE ztrn_engine Qt6::Gui Qt6::Test)
add_test(NAME tiles COMMAND test_tiles)
set_tests_properties(tiles PROPERTIES TIMEOUT 300 ENVIRONMENT QT_QPA_PLATFORM=offscreen)
