# Shared by test-win32.sh and run-win32-demo.sh: a fresh Wine prefix with
# Tahoma, the pty simulator on a Wine COM port, and screenshots under Xvfb.

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

NewPrefix() {
  export WINEPREFIX=$1
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || return 1
  wineserver -w
  # Without its own Tahoma, Wine draws "Tahoma" wider and texts no longer fit.
  cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

MapPort() {
  wine reg add 'HKLM\Software\Wine\Ports' /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
}

SetFriendlyName() {
  wine reg add "HKLM\\SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_0483&PID_5740\\$1" /v FriendlyName /t REG_SZ \
    /d "$2" /f >/dev/null 2>&1
}

# StartSimulator TOOL DIR: the simulator on a pty, its commands taken from
# DIR/commands (append lines), its output in DIR/sim.log; sets SIM_PTY.
StartSimulator() {
  local tool=$1 dir=$2
  rm -f "$dir/sim.in" "$dir/sim.log"
  : > "$dir/commands"
  mkfifo "$dir/sim.in"
  "$tool" < "$dir/sim.in" > "$dir/sim.log" 2>&1 &
  SIM_PID=$!
  exec 3> "$dir/sim.in"
  tail -n 0 -f "$dir/commands" >&3 &
  SIM_FEED_PID=$!
  SIM_PTY=
  for _ in $(seq 50); do
    SIM_PTY=$(grep -o -m 1 '/dev/pts/[0-9]*' "$dir/sim.log" 2>/dev/null) && break
    sleep 0.1
  done
  [ -n "$SIM_PTY" ]
}

StopSimulator() {
  [ -n "${SIM_FEED_PID:-}" ] && kill "$SIM_FEED_PID" 2>/dev/null
  exec 3>&- 2>/dev/null
  [ -n "${SIM_PID:-}" ] && { kill "$SIM_PID" 2>/dev/null; wait "$SIM_PID" 2>/dev/null; }
  SIM_PID= SIM_FEED_PID=
  return 0
}

# Screenshot EXE PNG: runs EXE in a Wine desktop under Xvfb, waits for live
# data and saves the main window's area of the screen.
Screenshot() {
  local exe=$1 png=$2
  local screen=$png.screen.png
  xvfb-run -a -s "-screen 0 1600x840x24" bash -c '
    wine explorer /desktop=np72,1600x840 "$1" & sleep 8
    import -window root "$2"; wineserver -k' _ "$(winepath -w "$exe")" "$screen" >/dev/null 2>&1
  # The window's own 926 x 615 at (646, 177).
  convert "$screen" -crop 926x615+646+177 +repage "$png" && rm -f "$screen"
}
