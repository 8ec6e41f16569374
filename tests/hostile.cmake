# Starts of the whole game against damaged, huge and odd files, one process
# each.
if(TARGET ztrn_ui AND TARGET zorbly-tarnel)
    add_executable(test_hostile ${CMAKE_CURRENT_LIST_DIR}/test_hostile.cpp)
    target_link_libraries(test_hostile PRIVATE ztrn_ui Qt6::Test)
    target_compile_definitions(test_hostile PRIVATE
        ZTRN_GAME_DIR="$<TARGET_FILE_DIR:zorbly-tarnel>")
    add_dependencies(test_hostile zorbly-tarnel ztrn_game_files)
    add_test(NAME hostile COMMAND test_hostile)
    set_tests_properties(hostile PROPERTIES TIMEOUT 600)
endif()
