# The wave player against a private PulseAudio server, and without any.
add_executable(test_sound ${CMAKE_CURRENT_LIST_DIR}/test_sound.cpp)
target_link_libraries(test_sound PRIVATE ztrn_sound ztrn_sound_loader Qt6::Test)
add_test(NAME sound COMMAND test_sound)
add_test(NAME sound-noserver COMMAND test_sound --no-server)
# The same through the game's stand-in, which loads the player module from
# beside the program at the first sound.
add_executable(test_sound_module ${CMAKE_CURRENT_LIST_DIR}/test_sound.cpp)
target_link_libraries(test_sound_module PRIVATE ztrn_sound_loader ztrn_wave Qt6::Test
                                                Qt6::Multimedia)
target_compile_definitions(test_sound_module PRIVATE ZTRN_SOUND_THROUGH_MODULE)
add_test(NAME sound-module COMMAND test_sound_module)
target_link_libraries(test_sound PRIVATE ztrn_testpaths)
target_link_libraries(test_sound_module PRIVATE ztrn_testpaths)
set_tests_properties(sound sound-noserver sound-module PROPERTIES
    TIMEOUT 120 ENVIRONMENT QT_QPA_PLATFORM=offscreen)
# What is heard depends on the output being fed in time: not beside other tests.
set_tests_properties(sound sound-module PROPERTIES RUN_SERIAL TRUE)
