# Cross build for 64-bit Windows with MinGW-w64 (the posix thread model, which std::mutex needs).
# Tests run through Wine: scripts/windows sets up the prefix and the display.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RKNAV_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RKNAV_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RKNAV_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${RKNAV_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RKNAV_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(RKNAV_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(RKNAV_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${RKNAV_WINE})
endif()
