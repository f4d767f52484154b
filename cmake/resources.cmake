# wincore_add_resources(target script): compiles a resource script with tools/rc at build time and
# adds the generated source to `target`. rc writes a depfile naming the script, every header it
# includes and every file it names, so that a change to any of them compiles the resources again.
# On Windows the script goes to the toolchain's own resource compiler instead.
include_guard(GLOBAL)

if(WIN32)
    enable_language(RC)
endif()

function(wincore_add_resources target script)
    get_filename_component(script_path "${script}" ABSOLUTE)
    if(WIN32)
        # windres looks for the files a script names in its include folders.
        get_filename_component(script_dir "${script_path}" DIRECTORY)
        set_property(SOURCE "${script_path}" APPEND PROPERTY INCLUDE_DIRECTORIES "${script_dir}")
        target_sources(${target} PRIVATE "${script_path}")
        return()
    endif()
    get_filename_component(script_name "${script}" NAME_WE)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_${script_name}_resources.cpp")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND rc "${script_path}" -o "${output}" --depfile "${output}.d"
        DEPENDS rc "${script_path}"
        DEPFILE "${output}.d"
        COMMENT "Compiling resources ${script_name} for ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE "${output}")
    # Every module's table has the same symbol names (wincore finds each module's own by address),
    # which AddressSanitizer reports as a one-definition violation once two instrumented modules
    # with resources meet in a process (a host with resources of its own linking the library).
    set_source_files_properties("${output}" PROPERTIES COMPILE_OPTIONS "-fno-sanitize=address")
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
        wincore_export_resource_table(${target})
    endif()
endfunction()

# wincore_export_resource_table(target): an executable exports only what the libraries it links use,
# and wincore looks a module's resource table up among its exported symbols at run time.
function(wincore_export_resource_table target)
    target_link_options(${target} PRIVATE
        "LINKER:--export-dynamic-symbol=wincore_resources"
        "LINKER:--export-dynamic-symbol=wincore_resource_count")
endfunction()
