# The control library: the frame and every control, with the resources compiled in.
include(${CMAKE_CURRENT_LIST_DIR}/resources.cmake)

file(GLOB RKNAV_LIBRARY_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/frame/*.cpp
    ${PROJECT_SOURCE_DIR}/kit/*.cpp
    ${PROJECT_SOURCE_DIR}/listview/*.cpp
    ${PROJECT_SOURCE_DIR}/combobox/*.cpp
    ${PROJECT_SOURCE_DIR}/vectorbox/*.cpp
    ${PROJECT_SOURCE_DIR}/menu/*.cpp)

add_library(RKNavCtrlEx SHARED ${RKNAV_LIBRARY_SOURCES})
add_library(RKNavCtrlEx::RKNavCtrlEx ALIAS RKNavCtrlEx)
target_include_directories(RKNavCtrlEx
    PUBLIC
        $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
        $<INSTALL_INTERFACE:include/RKNavCtrlEx>
    PRIVATE
        ${PROJECT_SOURCE_DIR})
if(WIN32)
    # wincore is here the static Win32 side, linked into the DLL; the public headers need only the
    # real <windows.h>, so a host neither compiles against it nor links it.
    target_link_libraries(RKNavCtrlEx PRIVATE wincore)
else()
    target_link_libraries(RKNavCtrlEx PUBLIC wincore)
endif()
target_compile_definitions(RKNavCtrlEx PRIVATE RKNAVCTRLEX_BUILDING)
set_target_properties(RKNavCtrlEx PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
wincore_add_resources(RKNavCtrlEx ${PROJECT_SOURCE_DIR}/resources/RKNavCtrlEx.rc)
if(WIN32)
    # RKNavCtrlEx.dll with the import library RKNavCtrlEx.dll.a, the names a Windows host expects.
    set_target_properties(RKNavCtrlEx PROPERTIES PREFIX "" IMPORT_PREFIX "")
endif()

# Installation: both libraries, the public headers and a CMake package, so that a host does
# find_package(RKNavCtrlEx) and links RKNavCtrlEx::RKNavCtrlEx.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
set(RKNAV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/RKNavCtrlEx)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/RKNavCtrlEx
    COMPONENT development FILES_MATCHING PATTERN "*.h")
if(WIN32)
    # The DLL with its import library, and the imaging service it loads from beside itself.
    install(TARGETS RKNavCtrlEx RKNavImaging EXPORT RKNavCtrlExTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
else()
    # Components for the packages (cmake/packaging.cmake): what runs, and what a host builds with.
    set_target_properties(RKNavCtrlEx wincore PROPERTIES INSTALL_RPATH "$ORIGIN")
    install(TARGETS wincore RKNavCtrlEx EXPORT RKNavCtrlExTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/include/ ${PROJECT_SOURCE_DIR}/platform/shared/include/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/wincore-sdk COMPONENT development FILES_MATCHING PATTERN "*.h")
    # pkg-config: the prefix is taken relative to the file, as the prefix is chosen at install time.
    file(RELATIVE_PATH RKNAV_PC_UP /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
    string(REGEX REPLACE "/$" "" RKNAV_PC_UP ${RKNAV_PC_UP})
    set(RKNAV_PC_PREFIX "\${pcfiledir}/${RKNAV_PC_UP}")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/rknavctrlex.pc.in ${CMAKE_CURRENT_BINARY_DIR}/rknavctrlex.pc @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/rknavctrlex.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
endif()
install(EXPORT RKNavCtrlExTargets NAMESPACE RKNavCtrlEx:: DESTINATION ${RKNAV_CMAKE_DIR} COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/RKNavCtrlExConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/RKNavCtrlExConfig.cmake INSTALL_DESTINATION ${RKNAV_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/RKNavCtrlExConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/RKNavCtrlExConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/RKNavCtrlExConfigVersion.cmake
    DESTINATION ${RKNAV_CMAKE_DIR} COMPONENT development)
