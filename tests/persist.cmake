# The settings store and the progress files.
add_executable(test_persist_settings ${CMAKE_CURRENT_LIST_DIR}/test_persist_settings.cpp)
target_link_libraries(test_persist_settings PRIVATE ztrn_persist Qt6::Test)
add_test(NAME persist-settings COMMAND test_persist_settings)
set_tests_properties(persist-settings PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# The files, and the window's load and save around them.
if(TARGET ztrn_ui)
    add_executable(test_persist_progress ${CMAKE_CURRENT_LIST_DIR}/test_persist_progress.cpp)
    target_link_libraries(test_persist_progress PRIVATE ztrn_ui Qt6::Test)
    target_include_directories(test_persist_progress PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME persist-progress COMMAND test_persist_progress)
    set_tests_properties(persist-progress PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
endif()
