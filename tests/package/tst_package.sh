#!/usr/bin/env bash
# Checks the package TRIVANE_TEST_PACKAGE: its files, the validators and lintian, and an
# extracted copy run offscreen. Arguments: <window probe folder> <source SOND folder> <version>
# <source circuits folder>
set -uo pipefail
probe_plugins=$(realpath "$1")
sounds=$2
version=$3
circuits=$4
deb=${TRIVANE_TEST_PACKAGE:-}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "SKIP: no package to check (scripts/test builds it and names it in TRIVANE_TEST_PACKAGE)"
    exit 77
fi
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "PASS: $*"; }

# Its files.
app=org.trivane.trivane
expected=(usr/bin/trivane usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$app.svg usr/share/man/man1/trivane.1.gz
          usr/share/doc/trivane/copyright usr/share/doc/trivane/changelog.gz)
for size in 16 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app.png"); done
for shot in selector panel-frontal cuestiones; do expected+=("usr/share/doc/trivane/capturas/$shot.png"); done
for cue in "$sounds"/*.WAV; do expected+=("usr/share/trivane/SOND/$(basename "$cue")"); done
for circuit in "$circuits"/*.cir; do expected+=("usr/share/trivane/circuits/$(basename "$circuit")"); done
listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
for file in "${expected[@]}"; do
    grep -qxF "$file" <<<"$listing" || fail "the package lacks $file"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
pass "file list (${#expected[@]} files looked for)"

root=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
dpkg-deb -x "$deb" "$root"

# The validators and lintian: no error, no warning (lintian: no error; its warnings are shown).
if command -v desktop-file-validate >/dev/null; then
    # Nothing at all, hints included (two main categories would list the program twice).
    out=$(desktop-file-validate "$root/usr/share/applications/$app.desktop" 2>&1)
    [ -z "$out" ] && pass "desktop-file-validate" || fail "desktop-file-validate: $out"
fi
if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" 2>&1)
    if [ $? -eq 0 ] && ! grep -qE '^(E|W):' <<<"$out"; then pass "appstreamcli validate"; else fail "appstreamcli: $out"; fi
fi
if command -v lintian >/dev/null; then
    out=$(lintian --fail-on error "$deb" 2>&1)
    status=$?
    echo "$out"
    [ $status -eq 0 ] && pass "lintian (no error)" || fail "lintian reports errors"
fi

# The two arguments it answers wherever they stand, with no display; the first one wins.
program="$root/usr/bin/trivane"
answers() {
    local expected=$1 out
    shift
    out=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@")
    [ $? -eq 0 ] && [ "$(head -n1 <<<"$out")" = "$expected" ] && pass "trivane $*" || fail "trivane $* printed \"$out\""
}
answers "Trivane $version" --version
answers "Trivane $version" -x --version
answers "Uso: trivane [--help | --version]" --help --version

# watched <status> <window title> <what>: starts the program offscreen, without sound, from
# an empty working folder, with the window probe, which must see the window named and
# leave the program to end with the status given.
watched() {
    local out
    out=$(cd "$work" && env QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$probe_plugins" \
        QT_LOGGING_RULES="default.warning=false" PULSE_SERVER=unix:/nonexistent/pulse/native \
        timeout 60 "$program" -plugin trivanewindowprobe 2>/dev/null)
    local status=$?
    [ $status -eq "$1" ] && grep -qx "window: $2" <<<"$out" && pass "$3" || fail "$3 (status $status): $out"
}
# The chooser comes first: a missing cue's error box would come before it.
watched 0 "Tutorial del Riverazadidi" "the extracted program finds its cues and ends cleanly"
mv "$root/usr/share/trivane/SOND" "$root/usr/share/trivane/SOND-aside"
watched 1 "Error" "without its cues it shows the error box"

[ -z "$(ls -A "$work")" ] || fail "the program wrote into its working folder: $(ls -A "$work")"
echo "$failures failed"
[ $failures -eq 0 ]
