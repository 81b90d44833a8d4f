#!/usr/bin/env bash
# Builds an optimised tree and runs every benchmark in one go, printing the
# figures that docs/performance.md records. Not part of the test command;
# takes about a minute and a half.
#
#   scripts/bench-all.sh          BUILD_DIR (default build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-common.sh

need_commands Xvfb:xvfb gnuplot:gnuplot-nox
build_targets np72 np72-on-pty np72-sim-pty np72_receive_bench np72_latency_bench np72_startup_bench

echo "== Receive path and views on a null window, one core (CPU 1)"
taskset -c 1 "$BUILD_DIR/bench/np72_receive_bench" 2>/dev/null | grep '^ReceivePath'

WORK=$(mktemp -d)
trap 'stop_all; rm -rf "$WORK"' EXIT
start_xvfb

echo "== Latency, the sensor's last byte on the pty to the window's text (Xvfb)"
# Frames as soon after the last as a poll's answer comes, and with the machine idle between them.
"$BUILD_DIR/bench/np72_latency_bench" 2000 3 2>/dev/null
"$BUILD_DIR/bench/np72_latency_bench" 300 50 2>/dev/null

echo "== Process start to window shown (Xvfb)"
"$BUILD_DIR/bench/np72_startup_bench" 11 "$BUILD_DIR/src/qt/np72"

stop_all
echo "== One minute of polling: CPU share and memory of the tool's process"
OUT_DIR=$WORK/minute scripts/soak.sh 1 | grep -v -e '^table:' -e '^figure:'
