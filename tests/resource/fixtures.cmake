# The resource tests' executable carries resources of its own and loads a shared object that
# carries others; the tests also run rc itself.
include(${PROJECT_SOURCE_DIR}/cmake/resources.cmake)

set(resource_data ${CMAKE_CURRENT_SOURCE_DIR}/resource/data)
wincore_add_resources(resource_tests ${resource_data}/executable.rc)

add_library(resource_fixture SHARED ${CMAKE_CURRENT_SOURCE_DIR}/resource/fixture/fixture.cpp)
target_link_libraries(resource_fixture PRIVATE wincore)
wincore_add_resources(resource_fixture ${resource_data}/fixture.rc)

add_library(resource_dependent SHARED ${CMAKE_CURRENT_SOURCE_DIR}/resource/fixture/dependent.cpp)
target_link_libraries(resource_dependent PRIVATE resource_fixture wincore)

# The tests start rc through the shell; in a cross build the emulator goes first, as it does when
# the build runs rc, since a container has no binfmt_misc to start a foreign program by itself.
list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " rc_emulator)
string(STRIP "${rc_emulator} $<TARGET_FILE:rc>" rc_command)

add_dependencies(resource_tests resource_fixture resource_dependent rc)
target_link_libraries(resource_tests PRIVATE ${CMAKE_DL_LIBS})
target_compile_definitions(resource_tests PRIVATE
    RESOURCE_TEST_DATA_DIR="${resource_data}"
    RESOURCE_FIXTURE_PATH="$<TARGET_FILE:resource_fixture>"
    RESOURCE_DEPENDENT_PATH="$<TARGET_FILE:resource_dependent>"
    RC_TOOL_PATH="${rc_command}")

