# The game's windows, driven as the player drives them, offscreen.
if(TARGET ztrn_ui)
    add_executable(test_ui
        ${CMAKE_CURRENT_LIST_DIR}/test_ui.h
        ${CMAKE_CURRENT_LIST_DIR}/uifixture.h
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_drawing.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_window.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_dialogs.cpp)
    target_include_directories(test_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(test_ui PRIVATE ztrn_ui Qt6::Test)
    target_compile_definitions(test_ui PRIVATE ZTRN_SOURCE_DIR="${CMAKE_CURRENT_LIST_DIR}/..")
    add_test(NAME ui COMMAND test_ui)
    set_tests_properties(ui PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endif()
