# The installed game: layout, menu entry, icons, AppStream, and a start from the menu entry.
find_program(XVFB Xvfb)
find_program(XVFB_RUN xvfb-run)
set(ZTRN_XSERVER ${CMAKE_CURRENT_LIST_DIR}/e2e/xserver.sh)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(XVFB AND DESKTOP_FILE_VALIDATE AND APPSTREAMCLI AND TARGET zorbly-tarnel)
    add_test(NAME install COMMAND ${CMAKE_CURRENT_LIST_DIR}/dist/check-install.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(install PROPERTIES TIMEOUT 120)
endif()

# The game in a desktop session of the window system it picks itself.
if(TARGET ztrn_ui)
    add_executable(test_session ${CMAKE_CURRENT_LIST_DIR}/dist/test_session.cpp)
    target_include_directories(test_session PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(test_session PRIVATE ztrn_ui Qt6::Test)
endif()
if(TARGET test_session AND TARGET zorbly-tarnel)
    add_test(NAME wayland COMMAND ${CMAKE_CURRENT_LIST_DIR}/dist/check-wayland.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(wayland PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
endif()

# The program as started from a terminal or a desktop: its command line, and
# a clean end after a sound, again and again, against a private sound server.
if(XVFB AND TARGET zorbly-tarnel)
    add_executable(test_program ${CMAKE_CURRENT_LIST_DIR}/dist/test_program.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/e2e/xdriver.cpp)
    target_include_directories(test_program PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                                                    ${CMAKE_CURRENT_LIST_DIR}/e2e)
    target_link_libraries(test_program PRIVATE ztrn_testpaths Qt6::Gui Qt6::Test)
    add_dependencies(test_program zorbly-tarnel)
    add_test(NAME program COMMAND ${ZTRN_XSERVER} $<TARGET_FILE:test_program>)
    set_tests_properties(program PROPERTIES TIMEOUT 300)
endif()

# The Debian package, built, installed and removed (label "package"); not with
# sanitizers.
find_program(DPKG_BUILDPACKAGE dpkg-buildpackage)
find_program(LINTIAN lintian)
find_program(XDG_MIME xdg-mime)
if(NOT ZTRN_SANITIZE AND DPKG_BUILDPACKAGE AND LINTIAN AND XVFB_RUN AND DESKTOP_FILE_VALIDATE AND APPSTREAMCLI
   AND XDG_MIME)
    add_test(NAME package COMMAND ${CMAKE_CURRENT_LIST_DIR}/dist/check-package.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(package PROPERTIES LABELS package TIMEOUT 1500 SKIP_RETURN_CODE 77)
endif()
