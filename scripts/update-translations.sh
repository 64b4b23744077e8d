#!/usr/bin/env bash
# Reads every user-visible string of the sources into translations/*.ts (nothing
# translated is dropped: strings gone from the sources stay, marked vanished).
# Then translate the entries marked unfinished, e.g. with `linguist translations/*.ts`;
# the build compiles the .ts files to .qm.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || cmake -S . -B build >/dev/null
cmake --build build --target update_translations
grep -c 'type="unfinished"' translations/*.ts || true
