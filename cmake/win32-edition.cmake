# The Windows edition: plain Win32, no Qt. Included by the top-level CMakeLists.txt when
# RESULTS_EDITION is win32. Builds with MSVC or MinGW on Windows, or cross from Debian with
# cmake/mingw-w64-x86_64.cmake (the windows preset), whose tests then run under Wine.

if(NOT WIN32)
    message(FATAL_ERROR "The win32 edition builds for Windows only: use the windows preset "
                        "(cmake/mingw-w64-x86_64.cmake) or a Windows compiler")
endif()
enable_language(RC)

if(MSVC)
    add_compile_options(/W4 /WX /permissive- /utf-8)
    # One .exe that needs no Visual C++ runtime installed.
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
    add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror)
endif()
# Windows 7 is the oldest system the manifest declares; newer calls are looked up at run time.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
if(MSVC)
    # The benchmarks write their time stamp with _wfopen, which MSVC's /W4 calls deprecated.
    add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
endif()
include_directories(${CMAKE_SOURCE_DIR})

# results_win32_link(<target> [CONSOLE])
# Makes <target> a self-contained Windows program: a GUI program entered by wWinMain, or with
# CONSOLE a console program entered by wmain; the C and C++ runtimes linked in, so the .exe
# needs only DLLs that come with Windows.
function(results_win32_link target)
    cmake_parse_arguments(arg "CONSOLE" "" "" ${ARGN})
    if(NOT arg_CONSOLE)
        set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    endif()
    if(MINGW)
        # -mwindows comes with WIN32_EXECUTABLE; -municode picks the wide entry points.
        target_link_options(${target} PRIVATE -municode -static-libstdc++ -static-libgcc -static)
    endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/win32-resources.cmake)

# A cross build runs its Windows programs (tests, benchmarks) under Wine, in prefixes that
# tests/win32/wine-prefix.sh makes in this folder.
if(CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_SOURCE_DIR}/tests/win32/wine-run.sh --root ${CMAKE_BINARY_DIR}/wine)
endif()

# The table builder, and the packer of a sealed build, run on the build host. A cross build makes
# them with the host's compiler in a build folder of its own, imported as tablebuilder and
# host_packer; a native build makes them like any other tool.
if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    set(host_tools ${CMAKE_BINARY_DIR}/host-tools)
    set(host_tablebuilder ${host_tools}/tablebuilder/tablebuilder${CMAKE_HOST_EXECUTABLE_SUFFIX})
    set(host_packer ${host_tools}/packer/merrowdale-pack${CMAKE_HOST_EXECUTABLE_SUFFIX})
    ExternalProject_Add(host_tools
        SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/host
        BINARY_DIR ${host_tools}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${host_tablebuilder} ${host_packer})
    add_executable(tablebuilder IMPORTED)
    set_target_properties(tablebuilder PROPERTIES IMPORTED_LOCATION ${host_tablebuilder})
    add_executable(host_packer IMPORTED)
    set_target_properties(host_packer PROPERTIES IMPORTED_LOCATION ${host_packer})
endif()
# The platform's crypto (CNG), for the sealed table and for sealing it. In a cross build the
# table builder below is the builder for Windows, tested under Wine (tests/win32).
add_subdirectory(data/platform)
add_subdirectory(data/sealing)
add_subdirectory(tools/resultslist)
add_subdirectory(tools/common)
add_subdirectory(tools/tablebuilder)
add_subdirectory(data)
add_subdirectory(tools/packer)
add_subdirectory(ui)
add_subdirectory(forms/win32)
add_subdirectory(app)

if(RESULTS_BUILD_TESTS)
    enable_testing()
endif()
# The release bundle: the program, the packer and the office's instructions in one .zip.
add_subdirectory(packaging)
# The bare start-up window is built always: the resource checks in tests/win32 examine it.
add_subdirectory(bench/win32)
if(RESULTS_BUILD_TESTS)
    add_subdirectory(tests/win32)
endif()
