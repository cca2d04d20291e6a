#!/usr/bin/env bash
# End-to-end: the chart's context menu switches the program to Greek. It starts anew in the same
# process, its window titled in Greek, with the measuring points where they were; the choice is kept
# in the configuration folder. Exit 77 (skipped) when Xvfb or the X tools are missing.
set -u
. "$(dirname "$0")/e2e_lib.sh"
export LC_ALL=C
greek_title='Απόσταση - Χρόνος - Ταχύτητα'

# Like wait_window and wait_window_gone, for a title outside ASCII: xdotool's search by name sees
# only the window's Latin-1 name, so the titles of the program's windows are compared one by one.
find_titled() {
  local win
  for win in $(xdotool search --all --onlyvisible --pid "$app" --name '' 2>/dev/null); do
    [ "$(xdotool getwindowname "$win" 2>/dev/null)" = "$1" ] && { echo "$win"; return 0; }
  done
  return 1
}
wait_titled() {
  for _ in $(seq 300); do find_titled "$1" && return 0; sleep 0.1; done
  echo "FAIL: no window \"$1\" appeared" >&2
  return 1
}
wait_titled_gone() {
  for _ in $(seq 300); do find_titled "$1" >/dev/null || return 0; sleep 0.1; done
  echo "FAIL: window \"$1\" did not close" >&2
  return 1
}

# The speed display (201 x 41 at client 583, 73) of the main window $1, written to $2.png once the
# screen has settled.
speed() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  settled_screenshot "$out/screen_$2.png"
  convert "$out/screen_$2.png" -crop "201x41+$((X + 583))+$((Y + 73))" +repage "$out/$2.png"
}

start_program
wait_window "About" >/dev/null || exit 1
xdotool key Return
wait_window_gone "About" || exit 1
main=$(wait_window "Distance - Time - Velocity") || exit 1
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X my=$Y
# Point 2 from 110 to 80 min.
xdotool mousemove --sync "$(px 110)" "$(py 110)" mousedown 1
for t in 100 90 80; do xdotool mousemove --sync "$(px "$t")" "$(py "$t")"; sleep 0.05; done
xdotool mouseup 1
speed "$main" speed_before

# The language submenu is the menu's last entry; its languages go by code: de, el, en, ...
xdotool mousemove --sync "$(px 20)" $((my + 100)) click 3
sleep 0.5
xdotool key Up Right Down Return
wait_titled "Σχετικά" >/dev/null || exit 1
echo "the program started anew in Greek (same process $app)"
xdotool key Return
wait_titled_gone "Σχετικά" || exit 1
main=$(wait_titled "$greek_title") || exit 1
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X my=$Y
speed "$main" speed_after
echo "red pixels at 50 min: $(redAt 50), at 80 min: $(redAt 80), at 110 min: $(redAt 110)"
if [ "$(redAt 50)" -lt 9 ] || [ "$(redAt 80)" -lt 9 ] || [ "$(redAt 110)" -ne 0 ]; then
  echo "FAIL: the points are not where they were (pictures in $out)"; exit 1
fi
diff=$(compare -metric AE "$out/speed_before.png" "$out/speed_after.png" null: 2>&1)
if [ "${diff%% *}" != "0" ]; then echo "FAIL: the speed display changed ($diff pixels)"; exit 1; fi
if [ "$(cat "$XDG_CONFIG_HOME/kyvelo/language")" != el ]; then echo "FAIL: the choice was not kept"; exit 1; fi
echo "PASS: switched to Greek from the menu, the window title is Greek and the points are where they were"
