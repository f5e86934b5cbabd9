#!/usr/bin/env bash
# The installer as an administrator uses it, under Wine in the build's own prefix:
#   tests/installer/install_test.sh BUILD_DIR
# packs the build's modules (scripts/package), installs silently into a folder given with /D=, checks the
# files, the style sheet in the public documents and the Add/Remove Programs entry, lets hostsim load the
# installed module and make a report with the installed style sheet, which the installed recalc.exe reads
# back, reinstalls over a locally edited style sheet (kept, unless /REPLACESTYLESHEET), and uninstalls
# silently: nothing of the installation may remain, except a style sheet the laboratory edited.
# A 64-bit build makes an amd64 installer and runs under 64-bit Wine; a 32-bit build needs 32-bit Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:?usage: install_test.sh BUILD_DIR}")
work=$build/tests/installer/work
rm -rf "$work"
mkdir -p "$work"

# Programs run through cmake/wine-run, in the build's prefix, with the Wine of the build's kind.
case $(x86_64-w64-mingw32-objdump -f "$build/plugin/talvex7.dll" | sed -n 's/.*file format //p') in
  pei-x86-64) export WINEARCH=win64 ;;
  *) export WINEARCH=win32 ;;
esac
export WINEPREFIX=$build/wineprefix
wine_run=$root/cmake/wine-run

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { # description command...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else fail "$what"; fi
}
# Runs a Windows program and waits until every process it started has ended (the uninstaller hands its
# work to a copy of itself in the temporary folder and returns at once).
run() { "$wine_run" "$@" >/dev/null 2>&1; local rc=$?; wineserver -w; return $rc; }

drive_c=$WINEPREFIX/drive_c
plugins_windows='C:\talvex7 installer test\Host Plugins'
plugins=$drive_c/talvex7\ installer\ test/Host\ Plugins
public=$drive_c/users/Public/Documents
sheet=$public/Veltrox4/talvex7/Report.xsl
uninstaller=$plugins/talvex7-uninstall.exe
# The uninstall key's line in Wine's registry file, which doubles every backslash.
export UNINSTALL_KEY='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\talvex7]'

# Other tests leave a style sheet in the prefix's public documents: it waits aside while this test runs.
aside=$public/Veltrox4.before-installer-test
winepath_of() { printf 'C:\\%s' "$(realpath --relative-to="$drive_c" "$1" | tr / '\\')"; }
remove_installation() {
  [ ! -f "$uninstaller" ] || run "$(winepath_of "$uninstaller")" /S || true
  rm -rf "$drive_c/talvex7 installer test"
}
# The test's public documents go; the ones from before come back.
restore_public() {
  rm -rf "$public/Veltrox4"
  [ ! -e "$aside" ] || mv "$aside" "$public/Veltrox4"
}
# What an interrupted run left goes first.
remove_installation
[ ! -e "$aside" ] || restore_public
[ ! -e "$public/Veltrox4" ] || mv "$public/Veltrox4" "$aside"
trap 'remove_installation; restore_public' EXIT

# The uninstall entry as the registry file holds it (Wine writes it out when the prefix's server ends).
entry() { awk 'index($0, ENVIRON["UNINSTALL_KEY"]) == 1 {found = 1; next} /^\[/ {found = 0} found' "$WINEPREFIX/system.reg"; }
entry_has() { entry | grep -qF -- "$1"; }
no_entry() { ! grep -qF -- "$UNINSTALL_KEY" "$WINEPREFIX/system.reg"; }
same() { cmp -s "$1" "$2"; }
missing() { [ ! -e "$1" ]; }
# /D= takes the rest of the command line, blanks included, unquoted: Wine would quote an argument with
# blanks, so the command line goes through cmd as an administrator types it.
install() { (cd "$work" && run cmd /c "talvex7-setup.exe /S $* /D=$plugins_windows"); }

echo "== package"
"$root/scripts/package" "$build" "$work/talvex7-setup.exe" >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }

echo "== silent installation into '$plugins_windows'"
check "installer exits 0" install
check "talvex7.dll installed" same "$build/plugin/talvex7.dll" "$plugins/talvex7.dll"
check "talvex7ENU.dll installed" same "$build/res/talvex7ENU.dll" "$plugins/talvex7ENU.dll"
check "recalc.exe installed" same "$build/tools/recalc/recalc.exe" "$plugins/recalc.exe"
check "uninstaller beside the module" test -f "$uninstaller"
check "default style sheet in the public documents" same "$root/stylesheet/Report.xsl" "$sheet"
check "Add/Remove Programs entry: version" entry_has '"DisplayVersion"="1.0.0.0"'
check "Add/Remove Programs entry: uninstaller" \
  entry_has '"UninstallString"="\"C:\\talvex7 installer test\\Host Plugins\\talvex7-uninstall.exe\""'
check "Add/Remove Programs entry: silent uninstallation" entry_has 'talvex7-uninstall.exe\" /S"'
check "Add/Remove Programs entry: name" entry_has '"DisplayName"="talvex7: '

echo "== hostsim loads the installed module and makes a report with the installed style sheet"
# hostsim with the installed module: prints what the script's steps printed.
hostsim_installed() { # language script
  local display=()
  [ -n "${DISPLAY:-}" ] || display=(xvfb-run -a)
  (cd "$work" && printf '%b' "$2" | "${display[@]}" "$wine_run" "$build/hostsim/hostsim.exe" \
    --plugin "$plugins_windows\\talvex7.dll" --language "$1" --script - 2>/dev/null | tr -d '\r')
  wineserver -w
}
# The report of an empty list's calculation: its Windows path, which report_path also gives as a local one.
report_windows_path=
report_path=
make_report() {
  local output
  output=$(hostsim_installed 0419 'start\nmenu\nclick 1010\nreport\nunload\n')
  report_windows_path=$(printf '%s\n' "$output" | sed -n 's/^report \(.:\\.*\)/\1/p')
  if [ -z "$report_windows_path" ]; then
    echo "hostsim printed: $output"
    return 1
  fi
  report_path=$drive_c/$(printf '%s' "${report_windows_path#?:\\}" | tr '\\' /)
}
report_with_installed() { # pattern the report must contain
  make_report && grep -qF -- "$1" "$report_path"
}
# The installed recalc.exe runs on its own (it is linked statically) and verifies the installed module's page:
# the empty list's calculation needs no chromatogram, so an empty database gives the same result.
installed_recalc() { # exit code, pattern of its output (standard output and error), arguments...
  local expected=$1 pattern=$2 output rc=0
  shift 2
  output=$("$wine_run" "$plugins_windows\\recalc.exe" "$@" 2>&1 | tr -d '\r') || rc=$?
  wineserver -w
  [ "$rc" -eq "$expected" ] && grep -qF -- "$pattern" <<<"$output" || { echo "recalc: $rc $output"; return 1; }
}
english_menu_entry() {
  local output
  output=$(hostsim_installed 0409 'start\nmenu-entry\nunload\n')
  grep -qF 'menu-entry path=Data/Calculations/Narvelin ' <<<"$output"
}
check "report from the installed module and style sheet" report_with_installed 'Расчёт-462 ЗЮЛК-04-04 Нарвелин'
check "installed recalc.exe prints its usage" installed_recalc 2 'usage: recalc --db'
: >"$work/empty.db"
check "installed recalc.exe verifies the report" installed_recalc 0 '{"verified": true, "differences": []}' \
  --verify "$report_windows_path" --db "Z:$(tr / '\\' <<<"$work/empty.db")"
check "installed English language module found beside the module" english_menu_entry

echo "== reinstallation over a locally edited style sheet"
sed -i 's|<h2>Хроматограммы</h2>|<h2>Хроматограммы (лаборатория 7)</h2>|' "$sheet"
cp "$sheet" "$work/edited.xsl"
check "installer exits 0" install
check "edited style sheet kept" same "$work/edited.xsl" "$sheet"
check "report uses the kept style sheet" report_with_installed 'Хроматограммы (лаборатория 7)'
check "installer with /REPLACESTYLESHEET exits 0" install /REPLACESTYLESHEET
check "style sheet replaced on request" same "$root/stylesheet/Report.xsl" "$sheet"

echo "== silent uninstallation"
check "uninstaller exits 0" run "$plugins_windows\\talvex7-uninstall.exe" /S
check "modules removed" missing "$plugins/talvex7.dll"
check "language module removed" missing "$plugins/talvex7ENU.dll"
check "recalc.exe removed" missing "$plugins/recalc.exe"
check "uninstaller removed" missing "$uninstaller"
check "plug-in folders the installer made removed" missing "$drive_c/talvex7 installer test"
check "style sheet and its folders removed" missing "$public/Veltrox4"
check "Add/Remove Programs entry removed" no_entry

echo "== the host's own plug-in folder, and a style sheet the laboratory edited"
mkdir -p "$plugins"
printf 'a plug-in of the host\n' >"$plugins/other.dll"
check "installer exits 0" install
sed -i 's|<h2>Массы</h2>|<h2>Массы, г</h2>|' "$sheet"
cp "$sheet" "$work/edited.xsl"
check "uninstaller exits 0" run "$plugins_windows\\talvex7-uninstall.exe" /S
check "edited style sheet kept" same "$work/edited.xsl" "$sheet"
check "modules removed" missing "$plugins/talvex7.dll"
check "uninstaller removed" missing "$uninstaller"
check "the host's plug-in and folder kept" test -f "$plugins/other.dll"
check "Add/Remove Programs entry removed" no_entry

echo "installer test: $failures failure(s)"
[ "$failures" -eq 0 ]
