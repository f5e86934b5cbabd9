# Sourced by the scripts that run Windows programs, after bootstrap. Prints the preset whose programs Wine can
# run on this machine: win32 (the product) where wine32 is installed and the kernel runs 32-bit programs,
# otherwise win64, the 64-bit build of the same code (some kernels are built without IA-32 support, and Wine's
# 32-bit loader then fails with "Exec format error"; its emulation through qemu-user is far too slow to use;
# and a mirror whose i386 index lags leaves wine32 uninstallable).
# TALVEX_WINE_PRESET=win32|win64 overrides the choice.
wine_preset() {
  if [ -n "${TALVEX_WINE_PRESET:-}" ]; then
    echo "$TALVEX_WINE_PRESET"
  elif dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed' \
       && ! grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386 && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo win32
  else
    echo win64
  fi
}
