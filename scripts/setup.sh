#!/usr/bin/env bash
# Installs every package the build and the tests need. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build make clang libclang-rt-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 mingw-w64-tools
  wine wine64 xvfb xauth x11-utils
  googletest
  imagemagick
  wixl fp-utils
)

if [ "$(id -u)" -eq 0 ]; then sudo=; else sudo=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
