#!/usr/bin/env bash
# Checks the Debian package as shipped (TRIVANE_TEST_PACKAGE, made by scripts/package):
# its files, the menu entry's and the AppStream data's validators and lintian (each where
# installed), and an extracted copy started offscreen from another working folder, which
# must find its cues (no error box) and end when its window is closed.
#
#   tst_package.sh <folder of the window probe plugin> <the source's SOND folder> <version>
set -uo pipefail
probe_plugins=$(realpath "$1")
sounds=$2
version=$3
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
    # Its one hint (Education and Science are both main categories) is left aside.
    out=$(desktop-file-validate --no-hints "$root/usr/share/applications/$app.desktop" 2>&1)
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

# The two arguments it answers, with no display.
program="$root/usr/bin/trivane"
out=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)
[ $? -eq 0 ] && [ "$out" = "Trivane $version" ] && pass "--version" || fail "--version printed \"$out\""
out=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help)
[ $? -eq 0 ] && grep -q '^Uso: trivane' <<<"$out" && pass "--help" || fail "--help printed \"$out\""

# run_watched <program>: starts it offscreen, without sound, from an empty working folder,
# with the window probe; prints what the probe saw and ends with the program's status.
run_watched() {
    (cd "$work" && env QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$probe_plugins" \
        QT_LOGGING_RULES="default.warning=false" PULSE_SERVER=unix:/nonexistent/pulse/native \
        timeout 60 "$1" -plugin trivanewindowprobe 2>/dev/null)
}

out=$(run_watched "$program")
status=$?
if [ $status -eq 0 ] && grep -qx 'window: Tutorial del Riverazadidi' <<<"$out" && ! grep -qx 'window: Error' <<<"$out"; then
    pass "the extracted program finds its cues and ends cleanly"
else
    fail "the extracted program (status $status) showed: $out"
fi

# The same copy without its cues shows the error box and ends with status 1: the probe
# would see a missing cue.
mv "$root/usr/share/trivane/SOND" "$root/usr/share/trivane/SOND-aside"
out=$(run_watched "$program")
status=$?
mv "$root/usr/share/trivane/SOND-aside" "$root/usr/share/trivane/SOND"
if [ $status -eq 1 ] && grep -qx 'window: Error' <<<"$out"; then
    pass "without its cues it shows the error box"
else
    fail "without its cues (status $status) it showed: $out"
fi

[ -z "$(ls -A "$work")" ] || fail "the program wrote into its working folder: $(ls -A "$work")"
echo "$failures failed"
[ $failures -eq 0 ]
