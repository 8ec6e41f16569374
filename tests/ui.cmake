# The game's windows, driven as the player drives them, offscreen.
if(TARGET ztrn_ui)
    add_executable(test_ui
        ${CMAKE_CURRENT_LIST_DIR}/test_ui.h
        ${CMAKE_CURRENT_LIST_DIR}/uifixture.h
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_drawing.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_window.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_dialogs.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_ui_keyboard.cpp)
    target_include_directories(test_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(test_ui PRIVATE ztrn_ui ztrn_testpaths Qt6::Test)
    add_test(NAME ui COMMAND test_ui)
    set_tests_properties(ui PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)

    # Every text of the code is in the German catalogue, translated: lupdate
    # run over a copy of it leaves nothing unfinished.
    find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
    set(lupdate_project ${CMAKE_BINARY_DIR}/ui/.lupdate/ztrn_ui_project)
    add_test(NAME catalogue COMMAND sh -c
        "${CMAKE_COMMAND} -DIN_FILE=${lupdate_project}.cmake -DOUT_FILE=catalogue.json -P ${Qt6LinguistTools_DIR}/GenerateLUpdateProject.cmake && cp ${PROJECT_SOURCE_DIR}/i18n/zorbly-tarnel_de.ts catalogue_de.ts && $<TARGET_FILE:Qt6::lupdate> -project catalogue.json -no-obsolete -locations none -ts catalogue_de.ts && ! grep -B3 'type=\"unfinished\"' catalogue_de.ts")

    # The board at the screen's own pixels, at three display scales.
    add_executable(test_ui_scale ${CMAKE_CURRENT_LIST_DIR}/uifixture.h
                                 ${CMAKE_CURRENT_LIST_DIR}/test_ui_scale.cpp)
    target_include_directories(test_ui_scale PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(test_ui_scale PRIVATE ztrn_ui Qt6::Test)
    foreach(scale 1 1.5 2)
        add_test(NAME ui-scale-${scale} COMMAND test_ui_scale)
        set_tests_properties(ui-scale-${scale} PROPERTIES TIMEOUT 300 ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale}")
    endforeach()
    # A desk of two screens, ratio 1 and 2: the window moves from one to the other.
    add_test(NAME ui-scale-screens COMMAND test_ui_scale)
    set_tests_properties(ui-scale-screens PROPERTIES TIMEOUT 300 ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/twoscreens.json")
    # A wide, low screen: the zoom steps stop where the height ends.
    add_test(NAME ui-scale-wide COMMAND test_ui_scale zoomStepsStayOnTheScreen)
    set_tests_properties(ui-scale-wide PROPERTIES TIMEOUT 300 ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/widescreen.json")
endif()
