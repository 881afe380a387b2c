#!/usr/bin/env bash
# Builds the Qt-free core and its tests for Windows with MinGW-w64 and runs them under Wine:
# the check that the core still builds and behaves on Windows from these sources, the
# version resource and the Windows version services included. The Qt window is not part of
# it (Debian has no Qt for Windows). Everything it makes stays in build/windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages g++-mingw-w64-x86-64-posix wine64

root=$PWD/build/windows
prefix=$root/prefix
toolchain=$PWD/cmake/mingw-w64.cmake
export WINEPREFIX=$root/wine WINEDEBUG=-all

# googletest for Windows, from the sources Debian ships with libgtest-dev.
cmake -S /usr/src/googletest -B "$root/googletest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/googletest" --target install

# On Windows SimpleIni is its header alone (Debian's library is built for Linux).
mkdir -p "$prefix/include"
cp /usr/include/SimpleIni.h "$prefix/include/"

cmake -S . -B "$root/core" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_BUILD_TYPE=Debug \
  -DTELVANE_QT=OFF -DTELVANE_WERROR=ON -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64
cmake --build "$root/core"
# One run of the test program: Wine takes seconds to start, so not one start per test.
/usr/lib/wine/wine64 "$root/core/tests/telvane_tests.exe"
