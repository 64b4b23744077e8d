#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh                                  GCC, default build type, in build/
#   scripts/test.sh --compiler clang                 Debian's clang++, in build-clang/
#   scripts/test.sh --build-type Release             any CMake build type, in build-release/
#   scripts/test.sh --sanitize address,undefined     in build-asan/
#   scripts/test.sh --sanitize thread                in build-tsan/
# The options combine; the folder names do too (build-clang-release/).
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: $0 [--compiler gcc|clang] [--build-type TYPE] [--sanitize address,undefined|thread]"
sanitize=""
compiler=gcc
build_type=""
while [ $# -gt 0 ]; do
  case "$1" in
    --sanitize | --compiler | --build-type)
      [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
      option="$1" value="$2"; shift 2 ;;
    --sanitize=* | --compiler=* | --build-type=*)
      option="${1%%=*}" value="${1#*=}"; shift ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
  case "$option" in
    --sanitize) sanitize="$value" ;;
    --compiler) compiler="$value" ;;
    --build-type) build_type="$value" ;;
  esac
done
build=build
case "$sanitize" in
  "") ;;
  thread) build=build-tsan ;;
  *) build=build-asan ;;
esac
case "$compiler" in
  gcc) cxx=g++ ;;
  clang) cxx=clang++ build="$build-clang" ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
configure=(-DSANITIZE="$sanitize" -DCMAKE_CXX_COMPILER="$cxx")
if [ -n "$build_type" ]; then
  build="$build-$(echo "$build_type" | tr '[:upper:]' '[:lower:]')"
  configure+=(-DCMAKE_BUILD_TYPE="$build_type")
fi
scripts/deps.sh
cmake -S . -B "$build" "${configure[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
cd "$build"
ctest --output-on-failure -j"$(nproc)"
