#!/usr/bin/env bash
# Checks a built Debian package: its metadata and contents, and that the program it
# installs starts. The package is unpacked into a scratch root (nothing is installed
# on the system) and the program is run offscreen from there until it is stopped.
# Usage: check_package.sh path/to/trevalo_*.deb
set -euo pipefail
deb=$1
app_id=org.trevalo.Trevalo
passed=0
failed=0
check() {
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

depends=$(dpkg-deb -f "$deb" Depends)
check "depends on the CJK fonts" grep -q 'fonts-noto-cjk' <<<"$depends"
check "depends on the workbook's Chinese font" grep -q 'fonts-wqy-zenhei' <<<"$depends"
check "depends on xdg-utils" grep -q 'xdg-utils' <<<"$depends"
check "depends on Qt's Chinese texts" grep -q 'qt6-translations-l10n' <<<"$depends"
check "depends on Qt widgets" grep -q 'libqt6widgets6' <<<"$depends"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
check "program installed" test -x "$root/usr/bin/trevalo"
check "desktop entry installed" test -f "$root/usr/share/applications/$app_id.desktop"
for size in 16 32 48 64 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  check "icon ${size}x${size}" test -f "$icon"
  check "icon ${size}x${size} is ${size} pixels wide" grep -q "${size} x ${size}" <<<"$(file "$icon")"
done
entry="$root/usr/share/applications/$app_id.desktop"
check "entry names the icon by the application id" grep -qx "Icon=$app_id" "$entry"
check "entry has a Chinese name" grep -q '^Name\[zh_CN\]=' "$entry"
check "entry has a Chinese comment" grep -q '^Comment\[zh_CN\]=' "$entry"
check "entry is among engineering tools" grep -q '^Categories=.*Engineering' "$entry"
check "entry opens project files" grep -qx 'MimeType=application/x-trevalo-project;' "$entry"
check "entry passes the file to the program" grep -qx 'Exec=trevalo %f' "$entry"
mime="$root/usr/share/mime/packages/$app_id.xml"
check "project file type installed" test -f "$mime"
check "project file type is well-formed" xmllint --noout "$mime"
check "project file type names application/x-trevalo-project" grep -q 'type="application/x-trevalo-project"' "$mime"
check "project file type matches *.trevalo" grep -q '<glob pattern="\*.trevalo"/>' "$mime"
check "depends on shared-mime-info" grep -q 'shared-mime-info' <<<"$depends"
if command -v desktop-file-validate >/dev/null; then
  check "entry validates" desktop-file-validate "$entry"
fi
check "program's libraries all resolve" bash -c "! ldd '$root/usr/bin/trevalo' | grep -q 'not found'"

# Started offscreen, the program shows its splash and then waits for the user: it must
# still be running when it is stopped, having printed no error.
log=$(mktemp)
set +e
QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/trevalo" >"$log" 2>&1
status=$?
set -e
check "installed program starts and keeps running (exit $status)" test "$status" -eq 124
# The offscreen platform warns about what it cannot do (raise a window, find a runtime
# folder); an error is what the check looks for.
check "installed program prints no error" bash -c "! grep -qiE 'error|cannot|could not|failed|not found|abort' '$log'"
if [[ -s "$log" ]]; then cat "$log"; fi
rm -f "$log"

echo "package: $passed passed, $failed failed"
((failed == 0))
