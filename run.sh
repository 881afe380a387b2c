#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
#   ./run.sh            the program against eleven simulated units on a pseudo-terminal (port 1)
#   ./run.sh --no-sim   the program alone, for real hardware and the operator's own settings
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
if [ "${1:-}" = "--no-sim" ]; then
  shift
  exec build/telvane "$@"
fi

# The demo keeps its settings under the build tree, so a real operator's settings are left
# alone; its "Ports" section points port 1 at the simulator's pseudo-terminal.
data=$PWD/build/demo-data
mkdir -p "$data/Kelm/OstrelUtils"
sim_out=$(mktemp)
build/telvane-sim --units 11 >"$sim_out" &
sim=$!
trap 'kill "$sim" 2>/dev/null; rm -f "$sim_out"' EXIT INT TERM
for _ in $(seq 50); do [ -s "$sim_out" ] && break; sleep 0.1; done
device=$(head -n 1 "$sim_out")
[ -n "$device" ] || { echo "telvane-sim did not start" >&2; exit 1; }
ini=$data/Kelm/OstrelUtils/Telvane.ini
if [ -f "$ini" ] && grep -q '^COM1=' "$ini"; then
  sed -i "s|^COM1=.*|COM1=$device|" "$ini"
else
  printf '[Ports]\nCOM1=%s\n' "$device" >>"$ini"
fi
echo "Simulated units on $device (port 1 in the port selector)"
TELVANE_COMMON_APPDATA=$data build/telvane "$@"
