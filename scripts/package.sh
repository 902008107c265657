#!/usr/bin/env bash
# Builds the Debian package: a Release build in its own folder, then
# `cpack -G DEB`, then the checks a distribution would run on it.
#   scripts/package.sh [BUILD_FOLDER]      (default: build-package)
# The .deb lands in the build folder; install it with
#   sudo apt install ./build-package/vadaderivo_*.deb
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-package}"
jobs="${VR_JOBS:-$(nproc)}"

bash "$root/scripts/install-deps.sh" --package

# Debian's hardening flags, all of them (fortified calls, stack protector,
# read-only relocations bound at start). Run from the source root, whose path
# the flags map to "." in the debugging data.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Given on the command line, not through the environment, which CMake reads
# only when the folder is first configured.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVR_GUI=ON -DVR_TESTS=OFF -DVR_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build "$build" -j "$jobs"
rm -f "$build"/vadaderivo_*.deb
(cd "$build" && cpack -G DEB)
deb="$(ls "$build"/vadaderivo_*.deb)"
echo "package: $deb"
dpkg-deb --field "$deb"

# The checks. Each prints its findings; an error in any fails the script.
status=0
desktop-file-validate "$root/resources/vadaderivo.desktop" || status=1
appstreamcli validate --no-net --explain "$build/metainfo/org.vadaderivo.vadaderivo.metainfo.xml" || status=1
lintian --info --display-info "$deb" || status=1
exit $status
