# CMake toolchain for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64). Used for Allegro and for the game alike.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(prefixo x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${prefixo}-gcc)
set(CMAKE_CXX_COMPILER ${prefixo}-g++)
set(CMAKE_RC_COMPILER ${prefixo}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${prefixo})

# Programs from the host; headers and libraries from the Windows side only.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
