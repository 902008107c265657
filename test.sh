#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test through
# ctest: the unit tables, the command-line front end end to end, the window
# offscreen, and short fuzzing runs from a sanitizer build beside the main one.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

# Includes run down the layers of the README's layout; a violation stops here.
./scripts/check-layers.sh

JOBS=${JOBS:-$(nproc)}

# Sanitizer build with clang: the libFuzzer targets.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVR_FUZZ=ON -DVR_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$JOBS"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVR_FUZZ_DIR="$PWD/build-fuzz" >/dev/null
cmake --build build -j "$JOBS"

cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS"
