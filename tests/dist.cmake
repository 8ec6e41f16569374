# The installed game: layout, menu entry, icons, AppStream, and a start from the menu entry.
find_program(XVFB_RUN xvfb-run)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(XVFB_RUN AND DESKTOP_FILE_VALIDATE AND APPSTREAMCLI AND TARGET zorbly-tarnel)
    add_test(NAME install COMMAND ${CMAKE_CURRENT_LIST_DIR}/dist/check-install.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(install PROPERTIES TIMEOUT 120)
endif()
