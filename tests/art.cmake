# The art program's pictures and sounds, and the committed assets made from them.
if(TARGET ztrn_art AND TARGET ztrn_glyphs)
    add_executable(test_art
        ${CMAKE_CURRENT_LIST_DIR}/test_art.h
        ${CMAKE_CURRENT_LIST_DIR}/test_art_main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_art_assets.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_art_drawing.cpp)
    target_link_libraries(test_art PRIVATE ztrn_art ztrn_glyphs ztrn_testpaths Qt6::Gui Qt6::Test)
    add_test(NAME art COMMAND test_art)
    set_tests_properties(art PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
