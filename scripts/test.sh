#!/usr/bin/env bash
# Sets up, builds and runs every test: the platform-free code natively under
# ASan and UBSan, its fuzzer for a bounded time, and the Windows build under
# Wine. The 32-bit Windows build is compiled only: this machine cannot run it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
fuzz_seconds=${VIREO_FUZZ_SECONDS:-60}
jobs=$(nproc)

"$root/scripts/setup.sh"

echo "== native: platform-free code under ASan and UBSan"
cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVIREO_SANITIZE=ON -DVIREO_FUZZ=ON >/dev/null
cmake --build "$build/native" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$build/native" --output-on-failure

echo "== fuzz: script reader for ${fuzz_seconds}s"
"$root/tests/fuzz/run-fuzzer.sh" "$build/native/tests/fuzz/script_reader_fuzz" "$fuzz_seconds"

echo "== i686: compile only"
cmake -S "$root" -B "$build/i686" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/i686" -j "$jobs"

echo "== x86_64: under Wine"
cmake -S "$root" -B "$build/w64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$build/w64" -j "$jobs"

# shellcheck source=scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
rm -rf "$build/test-prefix"
unset DISPLAY # the tests get a display of their own
wine_session_start "$build/test-prefix"
ctest --test-dir "$build/w64" --output-on-failure
