#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs every test.
#   scripts/test.sh                      plain build
#   scripts/test.sh --sanitize address,undefined   (build in build-asan/)
#   scripts/test.sh --sanitize thread              (build in build-tsan/)
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=""
while [ $# -gt 0 ]; do
  case "$1" in
    --sanitize) sanitize="$2"; shift 2 ;;
    --sanitize=*) sanitize="${1#*=}"; shift ;;
    *) echo "usage: $0 [--sanitize address,undefined|thread]" >&2; exit 2 ;;
  esac
done
build=build
case "$sanitize" in
  "") ;;
  thread) build=build-tsan ;;
  *) build=build-asan ;;
esac
scripts/deps.sh
cmake -S . -B "$build" -DSANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
cd "$build"
ctest --output-on-failure -j"$(nproc)"
