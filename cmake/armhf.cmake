# Cross build for 32-bit ARM with hardware floating point (Debian armhf); tests run under qemu-arm.
# 32-bit pointers, WPARAM and LPARAM, and an unsigned char: what the x86-64 build cannot show.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(RKNAV_CROSS_TRIPLET arm-linux-gnueabihf)
set(RKNAV_QEMU_NAME qemu-arm)
# GCC notes where std::vector's iterators pass differently than before GCC 7.1; nothing here links
# code that old, and the notes bury real warnings.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
