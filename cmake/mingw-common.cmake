# Cross-compiles for Windows with MinGW-w64 and runs what it builds under Wine.
# VARROW_MINGW_ARCH (i686 or x86_64) and VARROW_WINE_ARCH (win32 or win64) are set by the
# toolchain file that includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VARROW_MINGW_ARCH})

set(_triple ${VARROW_MINGW_ARCH}-w64-mingw32)
# The -posix variants: the -win32 ones have no std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec ${VARROW_WINE_ARCH})
