# The codec area: block codec, media records, BMP files and the media tool.
add_executable(test_codec
    ${CMAKE_CURRENT_LIST_DIR}/test_codec_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_codec_records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_codec_tool.cpp)
target_link_libraries(test_codec PRIVATE ztrn_codec Qt6::Core Qt6::Test)
target_compile_definitions(test_codec PRIVATE ZTRN_MEDIA_TOOL="$<TARGET_FILE:ztrn-media>")
add_dependencies(test_codec ztrn-media)
add_test(NAME codec COMMAND test_codec)
set_tests_properties(codec PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
