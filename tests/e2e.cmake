# The whole game under a real X server, driven with xdotool. Runs when Xvfb is
# installed (the install script brings it). Each test has an X server of its
# own (e2e/xserver.sh), so they may run side by side.
find_program(XVFB Xvfb)
find_program(XDOTOOL xdotool)
# And a session bus of its own, as a desktop session has: a second start calls
# the running game on it.
find_program(DBUS_RUN_SESSION dbus-run-session)
set(ZTRN_XSERVER ${CMAKE_CURRENT_LIST_DIR}/e2e/xserver.sh)
if(DBUS_RUN_SESSION)
    set(ZTRN_XSERVER ${DBUS_RUN_SESSION} -- ${ZTRN_XSERVER})
endif()

# A test program of the e2e folder, with the driver and the session.
function(ztrn_e2e_program name)
    add_executable(${name} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/e2e/${name}.cpp
                           ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/e2e/session.cpp
                           ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/e2e/xdriver.cpp)
    target_link_libraries(${name} PRIVATE ztrn_engine ztrn_testpaths Qt6::Gui Qt6::Test)
    add_dependencies(${name} zorbly-tarnel)
endfunction()

if(XVFB AND XDOTOOL AND TARGET zorbly-tarnel)
    ztrn_e2e_program(test_e2e)
    add_test(NAME e2e COMMAND ${ZTRN_XSERVER} $<TARGET_FILE:test_e2e>)
    set_tests_properties(e2e PROPERTIES TIMEOUT 600)
    # Once more under a window manager that frames the windows, as on a desktop.
    find_program(OPENBOX openbox)
    find_program(XPROP xprop)
    if(OPENBOX AND XPROP)
        add_test(NAME e2e-openbox COMMAND ${ZTRN_XSERVER} ${CMAKE_CURRENT_LIST_DIR}/e2e/with-openbox.sh
                                          $<TARGET_FILE:test_e2e>)
        set_tests_properties(e2e-openbox PROPERTIES TIMEOUT 600)
        # The board read over the desktop's accessibility bus, as a screen
        # reader reads it (Debian's at-spi2-core and python3-pyatspi).
        find_program(ATSPI_BUS_LAUNCHER at-spi-bus-launcher PATHS /usr/libexec)
        if(ATSPI_BUS_LAUNCHER AND EXISTS /usr/lib/python3/dist-packages/pyatspi)
            add_test(NAME screenreader
                     COMMAND ${ZTRN_XSERVER} ${CMAKE_CURRENT_LIST_DIR}/e2e/with-openbox.sh
                             /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/e2e/screenreader.py
                             $<TARGET_FILE:zorbly-tarnel>)
            set_tests_properties(screenreader PROPERTIES TIMEOUT 300)
        endif()
    endif()
endif()

# Random play: a fixed number of actions (a few minutes in the sanitizer
# build), from a seed of its own each run; ZTRN_SEED plays one again.
if(XVFB AND XDOTOOL AND TARGET zorbly-tarnel)
    ztrn_e2e_program(test_randomplay)
    if(ZTRN_SANITIZE)
        set(random_actions 400)
    else()
        set(random_actions 250)
    endif()
    add_test(NAME randomplay COMMAND ${ZTRN_XSERVER} $<TARGET_FILE:test_randomplay>)
    set_tests_properties(randomplay PROPERTIES TIMEOUT 900
                         ENVIRONMENT "ZTRN_RANDOM_ACTIONS=${random_actions}")
endif()
