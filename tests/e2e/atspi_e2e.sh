#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X screen with an accessibility bus, closes the
# start-up screen with Enter and reads the velocity and the chart's description through AT-SPI, as a
# screen reader does; then moves point 1 with the keyboard, first after Tab, then after a click on
# it, onto point 2, and reads the tangent's velocity there; SIGTERM ends the program, which leaves no
# link files behind. Exit 77 (skipped) when a tool or the Python binding is missing.
set -u
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v dbus-run-session >/dev/null; then echo "SKIPPED: dbus-run-session is not installed"; exit 77; fi
if [ ! -x "$launcher" ]; then echo "SKIPPED: at-spi2-core is not installed"; exit 77; fi
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "SKIPPED: python3-pyatspi is not installed (scripts/setup.sh installs it)"
  exit 77
fi
. "$here/e2e_lib.sh"

# Everything on the accessibility bus lives inside one private session bus.
export binary out here launcher
export -f wait_window wait_window_gone px py
dbus-run-session -- bash -c '
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  bus=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" 2>"$out/app.log" &
  app=$!
  trap "kill $app $bus 2>/dev/null" EXIT
  wait_window "About" >/dev/null || exit 1
  win=$(wait_window "Distance - Time - Velocity") || exit 1
  xdotool key Return
  wait_window_gone "About" || exit 1
  # Reads everything into $1 until it holds line $2, for up to twenty seconds (a loaded machine).
  read_until() {
    for _ in $(seq 40); do
      sleep 0.5
      /usr/bin/python3 "$here/atspi_read.py" "$app" >"$out/$1" || exit 1
      grep -qxF "$2" "$out/$1" && return
    done
  }
  read_until atspi_start.txt "label|Average velocity|70.6 km/h|"
  # Tab until the chart has the focus, then point 1 right by 5 min.
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  for _ in $(seq 20); do
    /usr/bin/python3 "$here/atspi_read.py" --chart-focused "$app" && break
    xdotool key Tab; sleep 0.2
  done
  xdotool key shift+Right
  read_until atspi_moved.txt "label|Time Interval dt [min]|55.0 min|"
  # A click on point 1 (now at 55 min) keeps it there and lets the keys move it, onto point 2.
  client_area "$win"
  mx=$X my=$Y
  xdotool mousemove --sync "$(px 55)" "$(py 55)" click 1
  for _ in $(seq 11); do xdotool key shift+Right; done
  read_until atspi_met.txt "label|Time Interval dt [min]|0.0 min|"
  kill -TERM $app
  wait $app
  echo $? >"$out/exit_code"
'
status=$?
[ $status -ne 0 ] && exit $status

expect() { # $1 file, $2 line
  if ! grep -qxF "$2" "$out/$1"; then
    echo "FAIL: $1 lacks: $2"; echo "--- it holds:"; cat "$out/$1"; exit 1
  fi
}
expect atspi_start.txt "label|Average velocity|70.6 km/h|"
expect atspi_start.txt "label|Time Interval dt [min]|60.0 min|"
expect atspi_start.txt "image|Distance-time chart||Standard Road Situation. Point 1: 50.0 min, 61.4 km; point 2: 110.0 min, 132.0 km"
expect atspi_moved.txt "label|Time Interval dt [min]|55.0 min|"
expect atspi_met.txt "label|Velocity at point 1|87.7 km/h|"
expect atspi_met.txt "label|Distance Interval ds [km]|0.00 km|"
if [ "$(cat "$out/exit_code")" != 143 ]; then
  echo "FAIL: SIGTERM ended the program with code $(cat "$out/exit_code"), not 128 + 15"; exit 1
fi
left=$(find "$XDG_RUNTIME_DIR" \( -name '*.link' -o -name '*.sock' \) 2>/dev/null)
if [ -n "$left" ]; then echo "FAIL: link files left after SIGTERM: $left"; exit 1; fi
echo "PASS: read through AT-SPI"
