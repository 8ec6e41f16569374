# The main window's position memory and opening effect.
add_executable(test_effects ${CMAKE_CURRENT_LIST_DIR}/test_effects.cpp)
target_link_libraries(test_effects PRIVATE ztrn_effects Qt6::Test)
add_test(NAME effects COMMAND test_effects)
set_tests_properties(effects PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
