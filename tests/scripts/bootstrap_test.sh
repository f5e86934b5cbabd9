#!/usr/bin/env bash
# bootstrap against a mirror that fails, with no network: stand-ins for apt-get, dpkg and dpkg-query come first
# in PATH, apt's configuration and the sources folder are scratch folders. Each case: what the stand-in
# apt-get does, bootstrap's exit code, a text its output must hold, and the Windows build the scripts choose.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=$work/bin
mkdir -p "$bin"

# The stand-ins keep the installed packages in $work/installed; FAIL_UPDATE makes `update` exit 100 as a
# mirror mid-sync does, FAIL_INSTALL names packages whose install fails.
cat >"$bin/apt-get" <<'SH'
#!/usr/bin/env bash
for a in "$@"; do case $a in
  update) [ -z "${FAIL_UPDATE:-}" ] || { echo "E: Failed to fetch ... Mirror sync in progress?"; exit 100; }; exit 0 ;;
  install) install=1 ;;
  source) echo "E: Unable to find a source package"; exit 100 ;;
  -*|Acquire::*|APT::*) ;;
  *) [ -n "${install:-}" ] && pkgs+=("$a") ;;
esac; done
for p in "${pkgs[@]}"; do
  case " ${FAIL_INSTALL:-} " in *" $p "*) echo "E: Unable to install $p"; exit 100 ;; esac
done
printf '%s\n' "${pkgs[@]}" >>"$STANDIN_DIR/installed"
SH
cat >"$bin/dpkg-query" <<'SH'
#!/usr/bin/env bash
grep -qx "${!#}" "$STANDIN_DIR/installed" 2>/dev/null && printf 'install ok installed'
SH
cat >"$bin/dpkg" <<'SH'
#!/usr/bin/env bash
[ "$1" = --print-foreign-architectures ] && cat "$STANDIN_DIR/arches" 2>/dev/null
[ "$1" = --add-architecture ] && echo "$2" >>"$STANDIN_DIR/arches"
exit 0
SH
printf '#!/bin/sh\necho 0\n' >"$bin/id"
chmod +x "$bin"/*

failures=0
run_case() { # name fail-update fail-install expected-rc expected-text expected-preset [no-sources]
  local name=$1 dir=$work/$1
  mkdir -p "$dir/etc/sources.list.d" "$dir/deps"
  if [ -z "${7:-}" ]; then mkdir -p "$dir/deps/sqlite" "$dir/deps/pugixml"; touch "$dir/deps/sqlite/sqlite3.c"; fi
  printf 'Types: deb\nURIs: http://mirror.example/debian\nSuites: bookworm\nComponents: main\n' \
    >"$dir/etc/sources.list.d/debian.sources"
  local out rc=0
  out=$(env PATH="$bin:$PATH" STANDIN_DIR="$dir" FAIL_UPDATE="$2" FAIL_INSTALL="$3" TALVEX_APT_ETC="$dir/etc" \
        TALVEX_DEPS_DIR="$dir/deps" "$root/scripts/bootstrap" 2>&1) || rc=$?
  local preset
  preset=$(env PATH="$bin:$PATH" STANDIN_DIR="$dir" bash -c ". '$root/scripts/lib/wine-preset.sh'; wine_preset")
  if [ "$rc" -ne "$4" ] || ! grep -qF -- "$5" <<<"$out" || { [ -n "$6" ] && [ "$preset" != "$6" ]; }; then
    echo "FAIL $name: exit $rc (expected $4), preset $preset (expected ${6:-any}), output:"
    sed 's/^/    /' <<<"$out"
    failures=$((failures + 1))
  else
    echo "ok: $name"
  fi
}

run_case update_fails          1 ""     0 "bootstrap: ready" ""
run_case wine32_fails          1 wine32 0 "wine32 could not be installed: the Windows tests and the demo will run on the 64-bit build (win64)" win64
run_case needed_package_fails  "" "wine32 nsis" 1 "could not install nsis (needed)" ""

run_case source_fails          "" ""     1 "apt-get source pugixml failed" "" no-sources

# A machine on a local mirror gets a deb-src entry for that mirror; a failed fetch leaves no scratch folder.
grep -q 'URIs: http://mirror.example/debian' "$work/source_fails/etc/sources.list.d/deb-src.sources" \
  && [ -z "$(ls "$work/source_fails/deps")" ] \
  && echo "ok: deb-src entry from the machine's sources, nothing half-made" \
  || { echo "FAIL: deb-src entry or a half-made folder"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ]
