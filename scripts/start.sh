#!/usr/bin/env bash
# Sets up, builds and starts the editor under Wine, in a prefix of its own
# with the simulated DAEMON Tools installed. Uses the current X display when
# there is one, else starts an Xvfb display and says which. Arguments are
# passed to Vireo.exe (a script path runs that script).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build/w64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$build/w64" -j "$(nproc)"

had_display=${DISPLAY:-}
# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start "$build/run-prefix"
[ -n "$had_display" ] || echo "Vireo runs on the virtual display $DISPLAY (screenshot: import -display $DISPLAY -window root shot.png)"

# The simulated product, where a DAEMON Tools installation keeps its library.
cp "$build/w64/sim/daemon/daemon.dll" "$WINEPREFIX/drive_c/windows/system32/daemon.dll"

cd "$build/w64/src"
"$WINE64" Vireo.exe "$@"
