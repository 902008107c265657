#!/usr/bin/env bash
# Takes the README's pictures of the window and of a graph under a virtual X
# server, from a fresh program folder (the shipped unit table and sample
# scripts, default settings) and a fixed date, so that they can be made again
# after a change of the window.
#   scripts/screenshots.sh [BUILD_FOLDER]     (default: build)
# Writes docs/screenshots/window.png and docs/screenshots/graph.png.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="$root/docs/screenshots"

cmake --build "$build" -j "${VR_JOBS:-2}" --target vr_screenshot vr_program_files
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp "$root/resources/units.dat" "$root"/resources/scripts/*.usc "$folder/"
mkdir -p "$out"

export VADADERIVO_NOW=2024-03-15T10:20:30
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
  "$build/bin/vr_screenshot" "$folder" "$out"
ls -l "$out"
