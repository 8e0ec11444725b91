# results_win32_resources(<target>)
# Gives a Windows executable the program's resources (packaging/windows/merrowdale-results.rc):
# the icon, the application manifest and the version information. The resource compiler
# (windres or rc.exe) finds the icon and the manifest next to the .rc.

function(results_win32_resources target)
    set(windows ${PROJECT_SOURCE_DIR}/packaging/windows)
    set(rc ${windows}/merrowdale-results.rc)
    target_sources(${target} PRIVATE ${rc})
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
                 ${windows}/merrowdale-results-sizes.ico ${windows}/merrowdale-results.manifest)
    if(MSVC)
        # The manifest comes from the .rc; the linker would add a second one of its own.
        target_link_options(${target} PRIVATE /MANIFEST:NO)
    endif()
endfunction()
