#!/usr/bin/env bash
# Time from the start of the real np72 process to its window shown (mapped
# on an Xvfb display, seen by np72_startup_bench on the display's root), the
# median of several starts. Not part of the test command.
#
#   scripts/bench-startup.sh [starts]      default 11
#
# Needs that no other np72 runs for this user (its guard would refuse the
# start). BUILD_DIR as for the other benchmark scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-common.sh

need_commands Xvfb:xvfb
build_targets np72 np72_startup_bench
WORK=$(mktemp -d)
trap 'stop_all; rm -rf "$WORK"' EXIT
start_xvfb
"$BUILD_DIR/bench/np72_startup_bench" "${1:-11}" "$BUILD_DIR/src/qt/np72"
