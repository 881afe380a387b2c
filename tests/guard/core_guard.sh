#!/usr/bin/env bash
# Fails when a file of the Qt-free core includes a Qt header or reads real time.
# Only files below a folder named qt/ (the adapters and the Qt window) may.
set -u
root=${1:?usage: core_guard.sh ROOT}
status=0
while IFS= read -r -d '' file; do
  case "$file" in */qt/*) continue ;; esac
  hits=$(grep -nE '#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|qt[A-Za-z]*/)|(steady|system|high_resolution)_clock::now|sleep_for|sleep_until|usleep|nanosleep|gettimeofday|clock_gettime' "$file")
  if [ -n "$hits" ]; then
    printf '%s:\n%s\n' "${file#"$root"/}" "$hits"
    status=1
  fi
done < <(find "$root" \( -path "$root/tests" -o -path "$root/build*" -o -path "$root/bench" \) -prune -o \
              -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
[ "$status" = 0 ] && echo "core guard: no Qt include and no real clock outside qt/ folders"
exit $status
