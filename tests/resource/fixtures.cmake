# The resource tests' executable carries resources of its own; the tests also run rc itself.
include(${PROJECT_SOURCE_DIR}/cmake/resources.cmake)

set(resource_data ${CMAKE_CURRENT_SOURCE_DIR}/resource/data)
wincore_add_resources(resource_tests ${resource_data}/executable.rc)

# The tests start rc through the shell; in a cross build the emulator goes first, as it does when
# the build runs rc, since a container has no binfmt_misc to start a foreign program by itself.
list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " rc_emulator)
string(STRIP "${rc_emulator} $<TARGET_FILE:rc>" rc_command)

add_dependencies(resource_tests rc)
target_compile_definitions(resource_tests PRIVATE
    RESOURCE_TEST_DATA_DIR="${resource_data}"
    RC_TOOL_PATH="${rc_command}")
