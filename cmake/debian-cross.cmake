# What armhf.cmake and arm64.cmake share: Debian's cross compilers for RKNAV_CROSS_TRIPLET, the
# target's libraries from the multiarch folders (dpkg --add-architecture; scripts/arm installs
# them) and qemu-user to run what the build makes: rc while building, the suites under ctest.
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${RKNAV_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${RKNAV_CROSS_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${RKNAV_CROSS_TRIPLET})
set(PKG_CONFIG_EXECUTABLE ${RKNAV_CROSS_TRIPLET}-pkg-config CACHE FILEPATH "pkg-config for the target's libraries")

# No -L: programs load the system's multiarch loader and libc, which match the libraries the
# packages installed. The cross toolchain's own loader picks up that newer libc and crashes every
# program that starts a thread.
find_program(RKNAV_QEMU NAMES ${RKNAV_QEMU_NAME})
if(RKNAV_QEMU)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${RKNAV_QEMU})
endif()
