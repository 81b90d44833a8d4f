#!/usr/bin/env bash
# Runs the tool: on a plugged-in NP72 when there is one, else on the built-in
# simulated sensor. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

sensor_plugged_in() {
  local tty usb
  for tty in /sys/class/tty/ttyACM*; do
    [[ -e $tty/device ]] || continue
    usb=$(readlink -f "$tty/device/..")
    [[ $(cat "$usb/idVendor" 2>/dev/null) == 0483 && $(cat "$usb/idProduct" 2>/dev/null) == 5740 ]] && return 0
  done
  return 1
}

if sensor_plugged_in; then
  echo "NP72 found: starting the tool"
  TARGET=np72 exec scripts/run-qt-demo.sh
fi
echo "No NP72 plugged in: starting the tool with the simulated sensor"
TARGET=np72-demo exec scripts/run-qt-demo.sh
