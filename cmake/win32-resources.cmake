# results_win32_resources(<target>)
# Gives a Windows executable the program's resources (packaging/windows/merrowdale-results.rc):
# the icon, the application manifest and the version information. The icon file is built here
# from the committed PNGs: the 48 x 48 image as an 8-bit bitmap with its 256-colour palette,
# and the 256 x 256 image stored as PNG. Needs icotool (Debian icoutils).

find_program(RESULTS_ICOTOOL icotool REQUIRED)

set(results_icon_dir ${CMAKE_BINARY_DIR}/packaging/windows)
set(results_icon ${results_icon_dir}/merrowdale-results-sizes.ico)
set(results_icon_48 ${CMAKE_SOURCE_DIR}/packaging/icons/48x48/merrowdale-results.png)
set(results_icon_256 ${CMAKE_SOURCE_DIR}/packaging/icons/256x256/merrowdale-results.png)
add_custom_command(
    OUTPUT ${results_icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${results_icon_dir}
    COMMAND ${RESULTS_ICOTOOL} --create --output=${results_icon}
            --bit-depth=8 ${results_icon_48} --raw=${results_icon_256}
    DEPENDS ${results_icon_48} ${results_icon_256}
    COMMENT "Building the program icon"
    VERBATIM)
add_custom_target(results_icon DEPENDS ${results_icon})

function(results_win32_resources target)
    set(windows ${CMAKE_SOURCE_DIR}/packaging/windows)
    set(rc ${windows}/merrowdale-results.rc)
    target_sources(${target} PRIVATE ${rc})
    add_dependencies(${target} results_icon)
    # The built icon's folder; the manifest is found next to the .rc.
    target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${results_icon_dir}>)
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
                 ${results_icon} ${windows}/merrowdale-results.manifest)
    if(MSVC)
        # The manifest comes from the .rc; the linker would add a second one of its own.
        target_link_options(${target} PRIVATE /MANIFEST:NO)
    endif()
endfunction()
