# The control library: the frame and every control, with the resources compiled in.
include(${CMAKE_CURRENT_LIST_DIR}/resources.cmake)

file(GLOB RKNAV_LIBRARY_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/frame/*.cpp
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
target_link_libraries(RKNavCtrlEx PUBLIC wincore)
target_compile_definitions(RKNavCtrlEx PRIVATE RKNAVCTRLEX_BUILDING)
set_target_properties(RKNavCtrlEx PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
wincore_add_resources(RKNavCtrlEx ${PROJECT_SOURCE_DIR}/resources/RKNavCtrlEx.rc)
