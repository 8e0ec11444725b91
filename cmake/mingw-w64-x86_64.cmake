# Cross-builds the Windows edition on Debian with MinGW-w64 (package g++-mingw-w64-x86-64-posix).
# The posix variant is the one whose libstdc++ has std::thread and std::mutex.
#   cmake --preset windows
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RESULTS_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RESULTS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RESULTS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RESULTS_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${RESULTS_MINGW_TRIPLET}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${RESULTS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
