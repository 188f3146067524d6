# Shared settings of the project's scripts; sourced, not run.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CACHE="${BREVOX_CACHE:-$HOME/.cache/brevox}"
GTEST_VERSION=1.12.1
LZO_VERSION=2.10
WINE_PREFIX_VERSION=2
export WINEPREFIX="$CACHE/wine-prefix-v$WINE_PREFIX_VERSION"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
WINE=/usr/lib/wine/wine64
JOBS="$(nproc)"

# Start a private Xvfb display when none is usable; echoes nothing.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n=97
  if ! xdpyinfo -display ":$n" >/dev/null 2>&1; then
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do xdpyinfo -display ":$n" >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  export DISPLAY=":$n"
}
