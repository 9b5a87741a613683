#!/usr/bin/env bash
# Sets up, builds and starts the editor under Wine, in a prefix of its own.
# Uses the current X display when there is one, else starts an Xvfb display
# and says which. Any arguments are passed to Vireo.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build/w64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$build/w64" -j "$(nproc)"

export WINEPREFIX=$build/run-prefix
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
if [ -z "${DISPLAY:-}" ]; then
  # shellcheck source=scripts/wine-session.sh
  source "$root/scripts/wine-session.sh"
  wine_session_start "$WINEPREFIX"
  echo "Vireo runs on the virtual display $DISPLAY (screenshot: import -display $DISPLAY -window root shot.png)"
fi
mkdir -p "$WINEPREFIX"
cd "$build/w64/src"
/usr/lib/wine/wine64 Vireo.exe "$@"
