#!/usr/bin/env bash
# Builds in release mode and runs every benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
for b in $(find build-bench/tests -type f -name 'bench_*' -perm -u+x | sort); do
  echo "== $b"; "$b"
done
