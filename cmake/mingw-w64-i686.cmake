# Windows i686 (32-bit Outlook: 2000 to 2007 only exist so, 2010 and 2013 mostly).
set(CORVANE_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
