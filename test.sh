#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest: the normal build in
# build/ and the Qt-free core again with address and undefined-behaviour sanitizers in
# build/asan/. The exit status is the result.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset default -DTELVANE_WERROR=ON
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset asan -DTELVANE_WERROR=ON
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
