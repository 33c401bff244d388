# The Linux installation and the Debian package textmend_<version>_amd64.deb:
# both programs, the desktop entry, the hicolor icons, the AppStream metainfo,
# the manual pages, the licence as the copyright file and a changelog.

include(GNUInstallDirs)
find_program(TEXTMEND_HELP2MAN help2man REQUIRED)
find_program(TEXTMEND_GZIP gzip REQUIRED)

set(TEXTMEND_APPSTREAM_ID org.textmend.Textmend)
set(generated ${CMAKE_BINARY_DIR}/packaging)
execute_process(COMMAND date -u -d ${TEXTMEND_RELEASE_DATE} +%s
                OUTPUT_VARIABLE TEXTMEND_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND date -u -R -d ${TEXTMEND_RELEASE_DATE}
                OUTPUT_VARIABLE TEXTMEND_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND date -u -d ${TEXTMEND_RELEASE_DATE} "+%B %Y"
                OUTPUT_VARIABLE TEXTMEND_RELEASE_MONTH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

configure_file(${CMAKE_CURRENT_LIST_DIR}/textmend.1.in ${generated}/textmend.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${generated}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/textmend.metainfo.xml.in
               ${generated}/${TEXTMEND_APPSTREAM_ID}.metainfo.xml @ONLY)

# The filter's page is its --help; the date is the release's, so that the same
# sources always make the same page.
add_custom_command(OUTPUT ${generated}/textmend-filter.1
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TEXTMEND_RELEASE_EPOCH}
            ${TEXTMEND_HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
            "--name=clean up text on standard input as Textmend does"
            --output=${generated}/textmend-filter.1 $<TARGET_FILE:textmend-filter>
    DEPENDS textmend-filter
    COMMENT "Writing the manual page of textmend-filter"
    VERBATIM)

# Debian wants manual pages and changelogs compressed, without a time stamp.
set(compressed)
foreach(file textmend.1 textmend-filter.1 changelog)
    add_custom_command(OUTPUT ${generated}/${file}.gz
        COMMAND ${TEXTMEND_GZIP} -9 -n -f -k ${generated}/${file}
        DEPENDS ${generated}/${file}
        VERBATIM)
    list(APPEND compressed ${generated}/${file}.gz)
endforeach()
add_custom_target(textmend_package_files ALL DEPENDS ${compressed})

install(TARGETS textmend textmend-filter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/textmend.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${TEXTMEND_PNG_SIZES})
    install(FILES ${TEXTMEND_ICON_DIR}/textmend/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME textmend.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/textmend.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${generated}/${TEXTMEND_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/textmend.1.gz ${generated}/textmend-filter.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/textmend RENAME copyright)
install(FILES ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/textmend)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dictionary textmend-filter's Join split words consults by default.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# Below the synopsis (CPACK_PACKAGE_DESCRIPTION_SUMMARY); CPack indents the lines
# and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Textmend cleans up text taken from other programs. It reads the clipboard's
plain text, applies a case conversion and any of seven clean-up operations
(quote markers, double spaces after periods, sentence capitals, blank lines,
trailing line breaks, hard returns) and puts the result back as plain text,
which also strips formatting.

It lives in the notification area and can process every new copy by itself.
The package also holds textmend-filter, which runs the same clean-up on
standard input.")
