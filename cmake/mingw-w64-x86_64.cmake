# Toolchain for the Windows x64 build: mingw-w64 with POSIX threads (the
# win32-threads compiler has no std::mutex), every program run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KALENDRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KALENDRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KALENDRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KALENDRA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KALENDRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Nothing a user would have to install: the C++ runtime, libgcc and
# winpthread are linked into every binary.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

# Test programs, test discovery and the end-to-end shell run under Wine in the
# project's private prefix.
cmake_path(SET KALENDRA_WINE_RUNNER NORMALIZE "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-env.sh")
set(CMAKE_CROSSCOMPILING_EMULATOR ${KALENDRA_WINE_RUNNER} run)
