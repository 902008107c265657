#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator. Without a
# display it says so and starts the command-line front end instead.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

if [ -x build/bin/vadaderivo ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/bin/vadaderivo "$@"
fi
if [ -x build/bin/vadaderivo ]; then
  echo "run.sh: no display found (DISPLAY / WAYLAND_DISPLAY unset); starting the command-line calculator." >&2
fi
exec build/bin/vadaderivo-cli "$@"
