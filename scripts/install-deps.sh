#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Does nothing when every package is already there; runs apt-get update only
# when something must actually be installed.
#   --package  also the tools that make and check the .deb (scripts/package.sh)
set -euo pipefail

PACKAGES=(
  g++ clang libclang-rt-14-dev
  cmake ninja-build ccache
  qt6-base-dev qt6-svg-dev qt6-l10n-tools
  libgtest-dev libgmock-dev
  libbenchmark-dev libmuparser-dev
  libedit-dev
  xvfb x11-apps
)
if [ "${1:-}" = "--package" ]; then
  # dpkg-shlibdeps (dpkg-dev) reads the package's dependencies off the
  # binaries; the others check the desktop entry, the AppStream data and the
  # package as a whole.
  PACKAGES+=(dpkg-dev desktop-file-utils appstream lintian)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
