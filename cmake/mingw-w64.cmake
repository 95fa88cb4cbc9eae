# Windows x86_64 (64-bit Outlook 2010 and 2013).
set(CORVANE_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
