#!/usr/bin/env bash
# Builds np72-demo.exe (the tool with the simulated sensor plugged in) and
# shows it under Wine: on $DISPLAY when there is one, otherwise under Xvfb,
# saving a screenshot and printing its path.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${NP72_WIN32_DEMO_BUILD:-build-mingw-demo}

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DNP72_BUILD_TESTS=OFF -DNP72_BUILD_WIN32_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target np72-demo
exe=$root/$build/src/win32/np72-demo.exe

source scripts/win32-prefix.sh
if [ -d "$root/$build/wineprefix" ]; then export WINEPREFIX=$root/$build/wineprefix; else NewPrefix "$root/$build/wineprefix"; fi

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi
Screenshot "$exe" "$root/$build/np72-demo.png"
echo "screenshot: $root/$build/np72-demo.png"
