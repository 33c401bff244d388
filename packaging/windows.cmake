# The Windows installation, the installer textmend-<version>-setup.exe (CPack's
# NSIS generator with the template NSIS.template.in beside this file) and the
# zip textmend-<version>-win64.zip for people who want the programs portable.

install(TARGETS textmend textmend-filter RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS ZIP)
# CPack finds NSIS.template.in here before its own.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
# Each generator names its file (PerGenerator.cmake runs as CPack starts one).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PerGenerator.cmake)
set(CPACK_NSIS_MUI_ICON ${TEXTMEND_ICON_DIR}/textmend.ico)
# X.X.X.X, as the installer's own version resource needs it.
set(CPACK_TEXTMEND_FILE_VERSION
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.${PROJECT_VERSION_PATCH}")
