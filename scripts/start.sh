#!/usr/bin/env bash
# Sets up, builds and starts the editor under Wine, in a prefix of its own
# with the simulated DAEMON Tools installed and the sample script, its disc
# image and its game in C:\Vireo Sample. Uses the current X display when
# there is one, else starts an Xvfb display and says which. Arguments are
# passed to Vireo.exe: 'C:\Vireo Sample\Sample.Vireo' runs the sample.
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
sample="$WINEPREFIX/drive_c/Vireo Sample"
mkdir -p "$sample"
cp "$root/samples/Sample.Vireo" "$build/w64/sim/game/game.exe" "$sample/"
printf 'simulated disc image' > "$sample/Sample Disc.iso"

cd "$build/w64/src"
"$WINE64" Vireo.exe "$@"
