# What `cmake --install` puts in place and what `make package` builds with CPack:
# in the Linux build the Debian package, in the Windows build the installer and
# the zip. Every package carries LICENSE. The version is the project's own.

# The day PROJECT_VERSION was released: the date of the changelog entry, the
# manual pages and the AppStream release.
set(TEXTMEND_RELEASE_DATE 2026-12-08)

set(CPACK_PACKAGE_NAME textmend)
set(CPACK_PACKAGE_VENDOR "The Textmend developers")
set(CPACK_PACKAGE_CONTACT "The Textmend developers <developers@textmend.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clipboard text cleaner for the notification area")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Textmend)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    include(${PROJECT_SOURCE_DIR}/packaging/windows.cmake)
else()
    include(${PROJECT_SOURCE_DIR}/packaging/debian.cmake)
endif()
include(CPack)
