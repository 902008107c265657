#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed programs as a
# user whose home is empty: the shipped data must be found under
# <prefix>/share, the user's files must go to the XDG config folder, and
# nothing may be written beside the installed binaries.
#   install_check.sh BUILD_FOLDER
set -uo pipefail

build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

expected_files=(
  bin/vadaderivo-cli
  share/vadaderivo/units.dat
  share/vadaderivo/finance.usc
  share/man/man1/vadaderivo-cli.1.gz
  share/doc/vadaderivo/copyright
  share/doc/vadaderivo/changelog.Debian.gz
)
if [ -e "$build/bin/vadaderivo" ]; then
  expected_files+=(
    bin/vadaderivo
    share/man/man1/vadaderivo.1.gz
    share/applications/vadaderivo.desktop
    share/metainfo/org.vadaderivo.vadaderivo.metainfo.xml
    share/icons/hicolor/scalable/apps/vadaderivo.svg
  )
  for size in 16 32 48 64 128 256; do
    expected_files+=("share/icons/hicolor/${size}x${size}/apps/vadaderivo.png")
  done
fi
for f in "${expected_files[@]}"; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
gzip -t "$prefix"/share/man/man1/*.gz || fail "a man page is not a valid gzip file"

bin_before="$(ls -A "$prefix/bin")"
cli="$prefix/bin/vadaderivo-cli"
config="$XDG_CONFIG_HOME/vadaderivo"

# First start: the config folder is made with the sample libraries in it,
# so their functions work; the unit table is read from the shared folder
# without a word on standard error.
out="$("$cli" '2+3' 'compound(100;5;2)' 2>"$work/stderr")"
[ "$out" = $'5\n110.25' ] || fail "first start printed: $out"
[ -s "$work/stderr" ] && fail "first start complained: $(cat "$work/stderr")"
[ -f "$config/finance.usc" ] || fail "sample libraries not copied into $config"
[ -e "$config/units.dat" ] && fail "units.dat copied instead of read in place"

# Which unit table is read shows when it cannot be used: the shipped one...
cp "$prefix/share/vadaderivo/units.dat" "$work/units.dat"
printf 'binary\0table' >"$prefix/share/vadaderivo/units.dat"
"$cli" '1' 2>"$work/stderr" >/dev/null
grep -qF "$prefix/share/vadaderivo/units.dat" "$work/stderr" ||
  fail "the shipped unit table was not read: $(cat "$work/stderr")"
# ...unless the user's folder has its own, which wins.
cp "$work/units.dat" "$prefix/share/vadaderivo/units.dat"
printf 'binary\0table' >"$config/units.dat"
"$cli" '1' 2>"$work/stderr" >/dev/null
grep -qF "$config/units.dat" "$work/stderr" ||
  fail "the user's unit table was not preferred: $(cat "$work/stderr")"
rm "$config/units.dat"

# A library the user wrote is loaded from the config folder.
printf 'func twice(x)\nx*2\nendfunc\n' >"$config/mine.usc"
out="$("$cli" 'twice(21)' 2>&1)"
[ "$out" = "42" ] || fail "the user's library was not loaded: $out"

if [ -x "$prefix/bin/vadaderivo" ]; then
  # Both answer without a display, and the help names the folders in use.
  help="$("$prefix/bin/vadaderivo" --help 2>&1)" || fail "vadaderivo --help failed"
  grep -qF "$config" <<<"$help" || fail "--help does not name $config"
  grep -qF "$prefix/share/vadaderivo" <<<"$help" || fail "--help does not name the shared folder"
  version="$("$prefix/bin/vadaderivo" --version 2>&1)"
  [[ "$version" =~ ^VadadeRivo\ [0-9] ]] || fail "vadaderivo --version printed: $version"

  # The window itself, for a moment, in a home of its own: it too keeps out
  # of the binaries' folder and makes its config folder.
  export HOME="$work/home2" XDG_CONFIG_HOME="$work/config2"
  mkdir -p "$HOME"
  QT_QPA_PLATFORM=offscreen timeout -s TERM 3 "$prefix/bin/vadaderivo" '2+2' >/dev/null 2>&1
  [ -f "$XDG_CONFIG_HOME/vadaderivo/finance.usc" ] || fail "the window did not make its config folder"
fi

[ "$(ls -A "$prefix/bin")" = "$bin_before" ] || fail "files appeared beside the binaries: $(ls -A "$prefix/bin")"

[ "$failures" -eq 0 ] && echo "install check passed"
exit $((failures > 0))
