#!/usr/bin/env bash
# Installs what is missing, builds, and starts the demo host on its sample project.
# Without a display it writes a gallery of screenshots to build/gallery and exits.
# Arguments go to the demo host, e.g. --lang en or --lang zh_CN (default: the locale's).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target SenderDemoHost
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  QT_QPA_PLATFORM=offscreen exec build/demo/SenderDemoHost --gallery build/gallery "$@"
fi
# A display is there: an offscreen platform left in the environment (from tests, say)
# would only write the gallery, so the window gets the display's own platform.
if [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
  unset QT_QPA_PLATFORM
fi
exec build/demo/SenderDemoHost "$@"
