# Cross-compiles for 32-bit Windows with mingw-w64's posix thread variant
# (the win32 variant lacks std::mutex, which GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(VARNO_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNO_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNO_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNO_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VARNO_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
