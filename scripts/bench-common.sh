# Shared by the soak and the benchmark scripts (sourced, not run): a Release
# build, an Xvfb display, the simulated sensor on a pty and the tool on it,
# and /proc readings of a process.

BUILD_DIR=${BUILD_DIR:-build-release}

# Installs Debian packages that are missing: $1.. are "command:package" pairs.
need_commands() {
  local pair missing=()
  for pair in "$@"; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
  done
  if ((${#missing[@]})); then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null 2>&1
  fi
}

# Configures $BUILD_DIR as an optimised build with the Linux front-end once,
# then builds the targets named.
build_targets() {
  [[ -f $BUILD_DIR/CMakeCache.txt ]] ||
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNP72_BUILD_QT=ON >/dev/null
  cmake --build "$BUILD_DIR" -j2 --target "$@" >/dev/null
}

# An Xvfb display of its own in $DISPLAY, stopped by stop_all.
start_xvfb() {
  local display=99
  while [[ -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$display"
  for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X$display ]] && return 0
    sleep 0.05
  done
  echo "Xvfb did not start" >&2
  return 1
}

# np72-sim-pty with its standard input held open on fd 3 and its log in
# $WORK/sim.log; its slave path in $SENSOR_TTY.
start_sensor() {
  mkfifo "$WORK/sim.in"
  "$BUILD_DIR/sim/pty/np72-sim-pty" <"$WORK/sim.in" >"$WORK/sim.log" &
  SIM_PID=$!
  exec 3>"$WORK/sim.in"
  for _ in $(seq 100); do
    SENSOR_TTY=$(head -n1 "$WORK/sim.log")
    [[ $SENSOR_TTY == /dev/* ]] && return 0
    sleep 0.05
  done
  echo "np72-sim-pty gave no pty" >&2
  return 1
}

# The tool with the sensor present at start; returns once it has asked the
# sensor for its settings (the port is open and the window built).
start_tool() {
  "$BUILD_DIR/bench/np72-on-pty" "$SENSOR_TTY" >"$WORK/tool.log" 2>&1 3>&- &
  TOOL_PID=$!
  for _ in $(seq 200); do
    grep -q '^rx' "$WORK/sim.log" && return 0
    sleep 0.05
  done
  echo "np72-on-pty never asked the sensor" >&2
  return 1
}

polls_received() { grep -c '^rx 5D 02' "$WORK/sim.log" || true; }

# Of process $1: resident KiB, open descriptors, threads, CPU ticks (user + system).
resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
descriptors() { ls "/proc/$1/fd" | wc -l; }
threads() { ls "/proc/$1/task" | wc -l; }
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }

stop_all() {
  [[ -n ${TOOL_PID:-} ]] && kill "$TOOL_PID" 2>/dev/null && wait "$TOOL_PID" 2>/dev/null
  if [[ -n ${SIM_PID:-} ]]; then
    echo quit >&3 2>/dev/null || true
    exec 3>&-
    wait "$SIM_PID" 2>/dev/null
  fi
  [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  TOOL_PID='' SIM_PID='' XVFB_PID=''
  return 0
}
