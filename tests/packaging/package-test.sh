#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder, checks its file list and dependencies, unpacks it into a
# temporary root and starts the Rekko there under Xvfb as a user with an empty home: it must count as installed
# (its files in ~/.local/share/Rekko/, the shipped Hday.dat copied there) and paint its window.
# Usage: package-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/rekko-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "package-test: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack failed"
}
deb=$(ls "$work"/out/rekko_*.deb)

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
for path in /usr/bin/Rekko /usr/bin/rekkocal /usr/share/rekko/Hday.dat /usr/share/rekko/ReadMe.txt \
    /usr/share/rekko/CaSima.dat /usr/share/rekko/help/index.html /usr/share/applications/jp.rekko.Rekko.desktop \
    /usr/share/metainfo/jp.rekko.Rekko.metainfo.xml /usr/share/icons/hicolor/scalable/apps/rekko.svg \
    /usr/share/icons/hicolor/48x48/apps/rekko.png /usr/share/icons/hicolor/256x256/apps/rekko.png \
    /usr/share/doc/rekko/copyright; do
    grep -qx "$path" "$work/files" || fail "the package lacks $path"
done
# Nothing of the build or the tests goes along.
if grep -Ev '^/usr/(bin|share/(rekko|applications|metainfo|icons|doc))(/|$)|^/(usr/?)?$|^/usr/share/$' \
    "$work/files"; then
    fail "the package holds files outside its places"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libical3 qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic; do
    [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

mkdir -p "$work/root" "$work/home" "$work/run"
chmod 700 "$work/run"
dpkg -x "$deb" "$work/root"
! file "$work/root/usr/bin/Rekko" | grep -q "not stripped" || fail "Rekko is not stripped"
[ "$(stat -c %s "$work/root/usr/share/icons/hicolor/48x48/apps/rekko.png")" -gt 0 ] || fail "empty 48 px icon"

# Started from the home folder, as a menu starts it; the first start asks about the missing memo file.
cd "$work/home"
output=$(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LANG=ja_JP.UTF-8 \
    TZ=Asia/Tokyo REKKO_REPORT_FIRST_PAINT=1 QT_QPA_PLATFORM=xcb \
    "$source/tests/support/own-display" --wm "$source/tests/packaging/first-start.sh" "$work/root/usr/bin/Rekko" \
    2>"$work/rekko.err") || {
    cat "$work/rekko.err" >&2
    fail "the installed Rekko did not end in order"
}
[[ "$output" == *first-paint* ]] || fail "the installed Rekko did not paint: $output"
own="$work/home/.local/share/Rekko"
cmp -s "$own/Hday.dat" "$source/src/resources/Hday.dat" || fail "Hday.dat was not copied to $own"
[ -f "$own/Sorel.ini" ] || fail "the settings were not saved in $own"
[ ! -e "$work/home/Hday.dat" ] && [ ! -e "$work/home/Sorel.ini" ] || fail "files landed in the home folder"
[ ! -e "$work/root/usr/bin/Sorel.ini" ] || fail "files landed beside the installed program"

# The installed rekkocal reads the rules of Rekko's folder and writes the file named where it was started.
printf ',,12,24,,,\x8b\x4c\x94\x4f\x93\xfa\r\n' >"$own/Sday.myc" # 記念日 on 24 December
env -i PATH=/usr/bin:/bin HOME="$work/home" "$work/root/usr/bin/rekkocal" ics 2026-12-01 2026-12-31 out.ics 2>/dev/null ||
    fail "the installed rekkocal could not export"
grep -q "SUMMARY:記念日" "$work/home/out.ics" || fail "the installed rekkocal did not read $own/Sday.myc"
echo "package-test: $(basename "$deb") installs and starts"
