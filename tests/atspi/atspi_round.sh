#!/bin/bash
# Plays a round of the game the way a screen reader user does, through the accessibility bus
# only: a private D-Bus session, an Xvfb display of its own and the AT-SPI bus, then
# atspi_round.py as the assistive technology.
# Usage: atspi_round.sh GAME CLIENT WORK_DIR
# Exit status: 0 passed, 1 failed, 77 skipped because the bus cannot start here.
set -euo pipefail

skip() {
  echo "SKIPPED: $*" >&2
  exit 77
}

# A poll with a deadline: runs "$@" every 0.1 s until it succeeds, for at most $deadline s.
poll() {
  local deadline=$1
  shift
  local end=$((SECONDS + deadline))
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.1
  done
}

if [ "${1:-}" != --inside ]; then
  [ $# -eq 3 ] || { echo "usage: $0 GAME CLIENT WORK_DIR" >&2; exit 2; }
  for tool in dbus-run-session dbus-send Xvfb; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (tools/setup.sh installs it)"
  done
  launcher=""
  for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
  done
  [ -n "$launcher" ] || skip "at-spi-bus-launcher is not installed (package at-spi2-core)"
  dbus-run-session -- true 2>/dev/null || skip "dbus-run-session cannot start a session bus"
  rm -rf "$3"
  mkdir -p "$3"
  exec dbus-run-session -- "$0" --inside "$launcher" "$@"
fi

launcher=$2 game=$3 client=$4 work=$5
# Nothing of a desktop session reaches the game or the client: no bus address of its, and a
# runtime folder of our own for the bus launcher's sockets.
unset AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
stop_all() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
}
trap stop_all EXIT

# A display of its own: Xvfb takes the display's lock or exits (without a display number it
# would take none, and another server could start on the same display). It writes the
# number once it accepts connections. -noreset: a server that resets when its last client
# leaves refuses whoever connects meanwhile, and the bus launcher's short connection is
# often the last when the game connects.
started() { test -s "$work/display" || ! kill -0 "$1" 2>/dev/null; }
first=$((100 + RANDOM % 800))
for display in $(seq "$first" $((first + 19))); do
  : >"$work/display"
  Xvfb ":$display" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
  xvfb=$!
  poll 20 started "$xvfb" || true
  if [ -s "$work/display" ]; then
    pids+=("$xvfb")
    break
  fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
done
[ -s "$work/display" ] || skip "Xvfb did not start (see $work/xvfb.log)"
export DISPLAY=:$(head -n 1 "$work/display")

"$launcher" --launch-immediately 2>"$work/bus.log" &
pids+=($!)
# Asked only once the launcher owns its name, so that the session bus does not start another.
bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.a11y.Bus.GetAddress 2>/dev/null | grep -q 'string "unix:'
}
poll 20 bus_up || skip "the AT-SPI bus did not start (see $work/bus.log)"

status=0
/usr/bin/python3 "$client" --game "$game" --work "$work" || status=$?
exit $status
