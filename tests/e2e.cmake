# The whole game under a real X server, driven with xdotool. Runs when Xvfb is
# installed (the install script brings it).
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)

# A test program of the e2e folder, with the driver and the session.
function(ztrn_e2e_program name)
    add_executable(${name} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/e2e/${name}.cpp
                           ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/e2e/session.cpp
                           ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/e2e/xdriver.cpp)
    target_link_libraries(${name} PRIVATE ztrn_engine Qt6::Gui Qt6::Test)
    target_compile_definitions(${name} PRIVATE ZTRN_BUILD_DIR="${CMAKE_BINARY_DIR}"
                                               ZTRN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_dependencies(${name} zorbly-tarnel)
endfunction()

if(XVFB_RUN AND XDOTOOL AND TARGET zorbly-tarnel)
    ztrn_e2e_program(test_e2e)
    add_test(NAME e2e COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                              $<TARGET_FILE:test_e2e>)
    set_tests_properties(e2e PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
    # Once more under a window manager that frames the windows, as on a desktop.
    find_program(OPENBOX openbox)
    find_program(XPROP xprop)
    if(OPENBOX AND XPROP)
        add_test(NAME e2e-openbox COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                                          ${CMAKE_CURRENT_LIST_DIR}/e2e/with-openbox.sh
                                          $<TARGET_FILE:test_e2e>)
        set_tests_properties(e2e-openbox PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
    endif()
endif()

# Random play: in the main build briefly, in the sanitizer build for longer.
if(XVFB_RUN AND XDOTOOL AND TARGET zorbly-tarnel)
    ztrn_e2e_program(test_randomplay)
    if(ZTRN_SANITIZE)
        set(random_seconds 200)
    else()
        set(random_seconds 45)
    endif()
    add_test(NAME randomplay COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                                     $<TARGET_FILE:test_randomplay>)
    set_tests_properties(randomplay PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE
                         ENVIRONMENT "ZTRN_RANDOM_PLAY_SECONDS=${random_seconds}")
endif()

# A level solved and the game left with the keyboard alone.
if(XVFB_RUN AND XDOTOOL AND TARGET zorbly-tarnel)
    ztrn_e2e_program(test_keyplay)
    add_test(NAME keyplay COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                                  $<TARGET_FILE:test_keyplay>)
    set_tests_properties(keyplay PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
