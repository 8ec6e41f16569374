# The puzzle engine: catalogue, dealing, moves, solve check, level file, and
# the level operations driven through a recording fake of the window, hints
# and the swap history.
foreach(name test_engine test_levelops test_hint)
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    target_link_libraries(${name} PRIVATE ztrn_engine Qt6::Test)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME ${name} COMMAND ${name})
endforeach()
