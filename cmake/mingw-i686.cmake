# 32-bit Windows: the product.
set(VARROW_MINGW_ARCH i686)
set(VARROW_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
