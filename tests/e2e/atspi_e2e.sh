#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X screen with an accessibility bus and reads the
# velocity and the chart's description through AT-SPI, as a screen reader does; then moves point 1
# with the keyboard and reads again. Exit 77 (skipped) when a tool or the Python binding is missing.
set -u
binary=$1
out=${2:-/tmp}
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb xdotool xdpyinfo dbus-run-session; do
  if ! command -v "$tool" >/dev/null; then echo "SKIPPED: $tool is not installed"; exit 77; fi
done
if [ ! -x "$launcher" ]; then echo "SKIPPED: at-spi2-core is not installed"; exit 77; fi
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "SKIPPED: python3-pyatspi is not installed (scripts/setup.sh installs it)"
  exit 77
fi
mkdir -p "$out"

rm -f "$out/atspi_display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$out/atspi_display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
for _ in $(seq 100); do [ -s "$out/atspi_display" ] && break; sleep 0.1; done
if [ ! -s "$out/atspi_display" ]; then echo "FAIL: Xvfb did not start"; exit 1; fi
export DISPLAY=:$(head -n 1 "$out/atspi_display")
# The screen must answer before the program is started on it.
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if ! xdpyinfo >/dev/null 2>&1; then echo "FAIL: Xvfb on $DISPLAY does not answer"; exit 1; fi
unset QT_QPA_PLATFORM
# A link directory of its own, so that a copy running elsewhere does not make this one the second.
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Everything on the accessibility bus lives inside one private session bus.
export binary out here launcher
dbus-run-session -- bash -c '
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  bus=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" 2>"$out/atspi_app.log" &
  app=$!
  trap "kill $app $bus 2>/dev/null" EXIT
  # The start-up screen comes first: close it with its OK button (424, 296, 113 x 33).
  about=
  for _ in $(seq 100); do
    about=$(xdotool search --all --onlyvisible --pid "$app" --name "About" 2>/dev/null | head -n 1)
    [ -n "$about" ] && break
    sleep 0.1
  done
  if [ -z "$about" ]; then echo "FAIL: the start-up screen did not appear"; exit 1; fi
  eval "$(xdotool getwindowgeometry --shell "$about")"
  xdotool mousemove --sync $((X + 480)) $((Y + 312)) click 1
  win=
  for _ in $(seq 100); do
    win=$(xdotool search --all --onlyvisible --pid "$app" --name "Distance - Time - Velocity" 2>/dev/null | head -n 1)
    [ -n "$win" ] && [ -z "$(xdotool search --all --onlyvisible --pid "$app" --name "About" 2>/dev/null)" ] && break
    win=
    sleep 0.1
  done
  if [ -z "$win" ]; then echo "FAIL: the main window did not appear"; exit 1; fi
  sleep 1
  /usr/bin/python3 "$here/atspi_read.py" "$app" >"$out/atspi_start.txt" || exit 1
  # Tab until the chart has the focus, then point 1 right by 5 min.
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  for _ in $(seq 20); do
    /usr/bin/python3 "$here/atspi_read.py" --chart-focused "$app" && break
    xdotool key Tab; sleep 0.2
  done
  xdotool key shift+Right; sleep 0.5
  /usr/bin/python3 "$here/atspi_read.py" "$app" >"$out/atspi_moved.txt" || exit 1
'
status=$?
[ $status -ne 0 ] && exit $status

expect() { # $1 file, $2 line
  if ! grep -qxF "$2" "$out/$1"; then
    echo "FAIL: $1 lacks: $2"; echo "--- it holds:"; cat "$out/$1"; exit 1
  fi
}
expect atspi_start.txt "label|Velocity|70.6 km/h|"
expect atspi_start.txt "label|Time Interval dt [min]|60.0 min|"
expect atspi_start.txt "image|Distance-time chart||Standard Road Situation. Point 1: 50.0 min, 61.4 km; point 2: 110.0 min, 132.0 km"
expect atspi_moved.txt "label|Time Interval dt [min]|55.0 min|"
echo "PASS: read through AT-SPI"
