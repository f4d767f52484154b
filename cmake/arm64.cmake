# Cross build for 64-bit ARM (Debian arm64); tests run under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(RKNAV_CROSS_TRIPLET aarch64-linux-gnu)
set(RKNAV_QEMU_NAME qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
