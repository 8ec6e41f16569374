# The main window's position memory and opening effect.
if(NOT TARGET ztrn_effects)
    return()
endif()
add_executable(test_effects ${CMAKE_CURRENT_LIST_DIR}/test_effects.cpp)
target_link_libraries(test_effects PRIVATE ztrn_effects Qt6::Test)
add_test(NAME effects COMMAND test_effects)
set_tests_properties(effects PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)

# Once more on a real X server under a window manager, which frames the
# window and tells its frame only after the window is up.
find_program(XVFB_RUN xvfb-run)
find_program(OPENBOX openbox)
find_program(XPROP xprop)
if(XVFB_RUN AND OPENBOX AND XPROP)
    add_test(NAME effects-openbox
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                     ${CMAKE_CURRENT_LIST_DIR}/e2e/with-openbox.sh $<TARGET_FILE:test_effects>)
    set_tests_properties(effects-openbox PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=xcb TIMEOUT 120)
endif()
