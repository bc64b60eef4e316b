# Cross-builds for 64-bit Windows with Debian's mingw-w64 compilers (package
# g++-mingw-w64-x86-64-posix): the posix thread model, which std::thread and std::mutex need.
# The programs link statically, so they need no DLL beyond Windows' own, and the tests run
# under Wine (cmake/wine-run.sh) with a Wine prefix of their own in the build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingwTarget x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingwTarget}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingwTarget}-g++-posix)
set(CMAKE_RC_COMPILER ${mingwTarget}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingwTarget})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
