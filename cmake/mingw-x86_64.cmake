# 64-bit Windows: the same sources, for machines whose kernel cannot run 32-bit Wine.
set(VARROW_MINGW_ARCH x86_64)
set(VARROW_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
