# The level author's tool, the generator and the shipped level file.
if(TARGET ztrn_levels)
    add_executable(test_levels ${CMAKE_CURRENT_LIST_DIR}/test_levels.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/test_levels_tool.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/test_levels_main.cpp)
    target_link_libraries(test_levels PRIVATE ztrn_levels_pictures ztrn_testpaths Qt6::Gui
                                              Qt6::Test)
    add_test(NAME levels COMMAND test_levels)
    set_tests_properties(levels PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
