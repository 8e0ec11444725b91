# results_win32_resources(<target>)
# Gives a Windows executable the program's resources (packaging/windows/merrowdale-results.rc.in):
# the icon, the application manifest and the version information. The .rc and the manifest are
# generated into the build folder with the project's version; the .rc names the icon and the
# manifest by their full paths.

function(results_win32_resources target)
    set(RESULTS_WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)
    set(generated ${PROJECT_BINARY_DIR}/packaging/windows)
    set(RESULTS_WINDOWS_MANIFEST ${generated}/merrowdale-results.manifest)
    # Windows' version numbers are four 16-bit parts; "1.00" is 1.0.0.0.
    set(parts)
    foreach(part IN ITEMS MAJOR MINOR PATCH TWEAK)
        if("${PROJECT_VERSION_${part}}" STREQUAL "")
            list(APPEND parts 0)
        else()
            math(EXPR number "${PROJECT_VERSION_${part}} + 0")
            list(APPEND parts ${number})
        endif()
    endforeach()
    list(JOIN parts "," RESULTS_VERSION_NUMBERS)
    list(JOIN parts "." RESULTS_VERSION_DOTTED)
    configure_file(${RESULTS_WINDOWS_PACKAGING}/merrowdale-results.manifest.in
                   ${RESULTS_WINDOWS_MANIFEST} @ONLY)
    set(rc ${generated}/merrowdale-results.rc)
    configure_file(${RESULTS_WINDOWS_PACKAGING}/merrowdale-results.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
                 ${RESULTS_WINDOWS_PACKAGING}/merrowdale-results-sizes.ico
                 ${RESULTS_WINDOWS_MANIFEST})
    if(MSVC)
        # The manifest comes from the .rc; the linker would add a second one of its own.
        target_link_options(${target} PRIVATE /MANIFEST:NO)
    endif()
endfunction()
