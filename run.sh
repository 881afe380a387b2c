#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages

cmake --preset default
cmake --build --preset default -j "$(nproc 2>/dev/null || echo 2)"
if [ ! -x build/telvane ]; then
  echo "build/telvane was not built: the window is not part of this build yet." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so the window cannot be shown." >&2
  exit 1
fi
exec build/telvane "$@"
