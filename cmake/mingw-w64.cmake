# Cross-builds Ostrameda for 64-bit Windows with Debian's MinGW-w64 (posix thread model) and runs
# the test executables under Wine:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DOSTRAMEDA_GUI=OFF -DOSTRAMEDA_BENCH=OFF
# The Qt program itself is built natively on Windows (docs/windows.md).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ostrameda_mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ostrameda_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ostrameda_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${ostrameda_mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ostrameda_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static, the C++ and thread run-times included, so that an executable runs under Wine
# or on a bare Windows without any DLL copied beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run under Wine in a prefix of this build tree's own, never ~/.wine.
get_filename_component(ostrameda_wine_run "${CMAKE_CURRENT_LIST_DIR}/../tests/windows/wine-run" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${ostrameda_wine_run};${CMAKE_BINARY_DIR}/wineprefix")
