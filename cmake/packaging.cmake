# Debian packages and a tarball of the install tree (cpack in the build folder). The .deb files
# follow Debian's split: the shared libraries, the files a host builds with, and the demo apart.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()
set(CPACK_PACKAGE_NAME rknavctrlex)
set(CPACK_PACKAGE_VENDOR "RKNavCtrlEx")
set(CPACK_PACKAGE_CONTACT "RKNavCtrlEx maintainers <maintainers@users.noreply.c-seed-20c28d1c.example>")
# Debian's summary line is this one for each package; its description below names the part.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pen-operated controls for navigation applications")
set(RKNAV_PACKAGE_ABOUT "A kinetic list view, a combo box, a vector box and a navigation menu,\n\
owner-drawn for small touch screens, on wincore (the Win32 subset on pixman,\nFreeType and fontconfig).")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "${RKNAV_PACKAGE_ABOUT}\n\nThis package holds the shared libraries.")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "${RKNAV_PACKAGE_ABOUT}\n\nThis package holds the headers, the CMake package and the pkg-config file (rknavctrlex).")
set(CPACK_COMPONENT_DEMO_DESCRIPTION "${RKNAV_PACKAGE_ABOUT}\n\nThis package holds rknav_demo: every control on a navigation screen.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)

# The demo is installed only for its package (EXCLUDE_FROM_ALL), so it is named here.
set(CPACK_COMPONENTS_ALL runtime development demo)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
set(CPACK_COMPONENT_DEMO_DEPENDS runtime)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The demo's package finds the libraries in the runtime one's staging folder (the default /usr
# prefix, beside its own); its dependence on that package comes from the components.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ../runtime/usr/${CMAKE_INSTALL_LIBDIR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME librknavctrlex${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME librknavctrlex-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEMO_PACKAGE_NAME rknavctrlex-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION misc)

# The tarball is the install tree (libraries and development files); the demo is a .deb only.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
# The package_source target: the sources without the repository and the build folders.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build/")
include(CPack)
