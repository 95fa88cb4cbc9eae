# Cross compiles for Windows with Debian's mingw-w64 (posix threads). The including
# toolchain file sets CORVANE_MINGW_PROCESSOR (x86_64 or i686) first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${CORVANE_MINGW_PROCESSOR})
set(CORVANE_MINGW_TRIPLE ${CORVANE_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_CXX_COMPILER ${CORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CORVANE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${CORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# GCC 12 at -O3 reports impossible overlaps in inlined std::string concatenation
# (-Wrestrict, GCC bug 105329); the warning is off for this compiler only.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
# The DLL and the programs need only the system's DLLs: the compiler's runtime, the C++
# library and winpthread are linked in.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
