#!/bin/sh
# Builds the Linux tool and opens its demo: the real window with the
# simulated sensor plugged in (TARGET=np72 opens the tool itself). Without a
# display it runs under Xvfb for a few seconds and saves a screenshot.
set -eu
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

# A build folder keeps the generator it was made with.
generator="-G Ninja"
[ -f "$build/CMakeCache.txt" ] && generator=""
# shellcheck disable=SC2086
cmake -S . -B "$build" $generator -DNP72_BUILD_QT=ON
target=${TARGET:-np72-demo}
cmake --build "$build" -j2 --target "$target"
demo="$build/src/qt/$target"

if [ -n "${DISPLAY:-}" ]; then
  exec "$demo"
fi

seconds=${DEMO_SECONDS:-4}
case $build in /*) shot="$build/$target.png" ;; *) shot="$PWD/$build/$target.png" ;; esac
xvfb-run -a -s "-screen 0 1600x900x24" sh -c '
  "$1" & pid=$!
  sleep "$2"
  import -window root "$3"
  kill "$pid"; wait "$pid" 2>/dev/null || true
' sh "$demo" "$seconds" "$shot"
echo "screenshot: $shot"
