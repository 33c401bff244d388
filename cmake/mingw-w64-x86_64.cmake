# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64).
# Test programs run under Wine through scripts/wine-run.sh, so CTest works here
# as it does in the Linux builds.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix-threads variant: its C++ library has std::thread, std::mutex and
# std::call_once, which the win32-threads variant of GCC 12 lacks. Linked
# statically (see the top CMakeLists.txt), so no winpthread DLL is needed.
set(TEXTMEND_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TEXTMEND_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEXTMEND_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TEXTMEND_MINGW}-windres)

# Release at -O2, as the Linux build optimises: GCC 12 at -O3 reports overlapping
# copies and uninitialized members inside its own std::string for ordinary code
# (" " + std::to_string(n), tables of structs holding strings; GCC bugs 105329
# and 105593), and with -Werror that stops the build.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Release flags of the Windows build")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Release flags of the Windows build")

set(CMAKE_FIND_ROOT_PATH /usr/${TEXTMEND_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each build folder has its own Wine prefix, so tests never touch ~/.wine.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh --prefix ${CMAKE_BINARY_DIR}/wineprefix)
