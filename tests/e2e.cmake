# The whole game under a real X server, driven with xdotool. Runs when Xvfb is
# installed (the install script brings it).
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)
if(XVFB_RUN AND XDOTOOL AND TARGET zorbly-tarnel)
    add_executable(test_e2e ${CMAKE_CURRENT_LIST_DIR}/e2e/test_e2e.cpp
                            ${CMAKE_CURRENT_LIST_DIR}/e2e/session.cpp
                            ${CMAKE_CURRENT_LIST_DIR}/e2e/xdriver.cpp)
    target_link_libraries(test_e2e PRIVATE ztrn_engine Qt6::Gui Qt6::Test)
    target_compile_definitions(test_e2e PRIVATE ZTRN_BUILD_DIR="${CMAKE_BINARY_DIR}"
                                                ZTRN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    add_dependencies(test_e2e zorbly-tarnel)
    add_test(NAME e2e COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
                              $<TARGET_FILE:test_e2e>)
    set_tests_properties(e2e PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
endif()

# Random play: in the main build briefly, in the sanitizer build for longer.
if(XVFB_RUN AND XDOTOOL AND TARGET zorbly-tarnel)
    add_executable(test_randomplay ${CMAKE_CURRENT_LIST_DIR}/e2e/test_randomplay.cpp
                                   ${CMAKE_CURRENT_LIST_DIR}/e2e/session.cpp
                                   ${CMAKE_CURRENT_LIST_DIR}/e2e/xdriver.cpp)
    target_link_libraries(test_randomplay PRIVATE ztrn_engine Qt6::Gui Qt6::Test)
    target_compile_definitions(test_randomplay PRIVATE ZTRN_BUILD_DIR="${CMAKE_BINARY_DIR}")
    add_dependencies(test_randomplay zorbly-tarnel)
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
