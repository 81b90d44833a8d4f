#!/usr/bin/env bash
# The Linux tool polling the simulated sensor for a long run: the real window,
# QSerialPort device and event loop (np72-on-pty: only udev is replaced by an
# arrival of the pty) under Xvfb, against np72-sim-pty. Samples the tool's
# resident memory, open descriptors and threads, writes them to a table and
# plots them to a PNG. Not part of the test command.
#
#   scripts/soak.sh [minutes]       default 60; fractions allowed
#
# SAMPLE_SECONDS (default 5), BUILD_DIR (default build-release), OUT_DIR
# (default $BUILD_DIR/soak).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-common.sh

minutes=${1:-60}
every=${SAMPLE_SECONDS:-5}
out=${OUT_DIR:-$BUILD_DIR/soak}
need_commands gnuplot:gnuplot-nox Xvfb:xvfb
build_targets np72-on-pty np72-sim-pty
mkdir -p "$out"
WORK=$(mktemp -d)
trap 'stop_all; rm -rf "$WORK"' EXIT

start_xvfb
start_sensor
start_tool

table=$out/soak.tsv
printf '# seconds\tresident_kib\tdescriptors\tthreads\tcpu_ticks\tpolls\n' >"$table"
started=$(date +%s.%N)
length=$(awk -v m="$minutes" 'BEGIN { print m * 60 }')
while :; do
  kill -0 "$TOOL_PID" 2>/dev/null || { echo "the tool ended during the soak" >&2; exit 1; }
  elapsed=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$elapsed" "$(resident_kib "$TOOL_PID")" "$(descriptors "$TOOL_PID")" \
    "$(threads "$TOOL_PID")" "$(cpu_ticks "$TOOL_PID")" "$(polls_received)" >>"$table"
  awk -v e="$elapsed" -v l="$length" 'BEGIN { exit !(e >= l) }' && break
  sleep "$every"
done

figure=$out/soak.png
gnuplot <<PLOT
set terminal pngcairo size 900,500 font "Liberation Sans,11"
set output "$figure"
set title "np72 against np72-sim-pty, polling twice a second"
set xlabel "minutes"
set ylabel "resident memory, MiB"
set y2label "open descriptors, threads"
set ytics nomirror
set y2tics
set yrange [0:*]
set y2range [0:*]
set key bottom right
set grid
plot "$table" using (\$1/60):(\$2/1024) with lines lw 2 title "resident memory", \
     "$table" using (\$1/60):3 axes x1y2 with steps lw 2 title "descriptors", \
     "$table" using (\$1/60):4 axes x1y2 with steps lw 2 title "threads"
PLOT

awk -v hz="$(getconf CLK_TCK)" -v figure="$figure" '
  /^#/ { next }
  { n++; t[n] = $1; rss[n] = $2; fd[n] = $3; th[n] = $4; cpu[n] = $5; polls = $6
    if (n == 1 || $2 < rmin) rmin = $2; if ($2 > rmax) rmax = $2
    if (n == 1 || $3 < fmin) fmin = $3; if ($3 > fmax) fmax = $3
    if (n == 1 || $4 < tmin) tmin = $4; if ($4 > tmax) tmax = $4 }
  END {
    printf "soak: %.1f min, %d samples, %d polls received by the sensor\n", t[n] / 60, n, polls
    printf "resident memory: %d KiB after start, %d KiB at the end (%d..%d)\n", rss[1], rss[n], rmin, rmax
    printf "open descriptors: %d..%d; threads: %d..%d\n", fmin, fmax, tmin, tmax
    printf "CPU: %.3f %% of one core\n", 100 * (cpu[n] - cpu[1]) / hz / (t[n] - t[1])
    printf "table: %s\nfigure: %s\n", FILENAME, figure
  }' "$table"
