#!/usr/bin/env bash
# End-to-end: the menu bar switches the program to Greek. The same process keeps its window, now
# titled in Greek, at the same size, with the measuring points, the read-outs and the velocity
# graph's trace as they were and no start-up screen; the choice is kept in the configuration folder.
# Exit 77 (skipped) when Xvfb or the X tools are missing.
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

# The speed display (201 x 41 at client 583, 73) of the main window $1, written to $2.png once the
# screen has settled, and the columns of the screen where the velocity graph has a red dot, written
# to $2_dots.txt: the graph lies under the distance chart (from client y 310), its height depending
# on the text strip's, so its dots are known by their times, the columns.
pictures() {
  client_area "$1"
  settled_screenshot "$out/screen_$2.png"
  convert "$out/screen_$2.png" -crop "201x41+$((X + 583))+$((Y + 73))" +repage "$out/$2.png"
  convert "$out/screen_$2.png" -crop "506x150+$((X + 50))+$((Y + 310))" +repage -fill black +opaque red \
    -fill white -opaque red -scale '506x1!' -threshold 0 txt:- | awk -F'[,:]' '/#FFFFFF/ { print $1 }' \
    >"$out/$2_dots.txt"
}

start_program
wait_window "About" >/dev/null || exit 1
xdotool key Return
wait_window_gone "About" || exit 1
main=$(wait_window "Distance - Time - Velocity") || exit 1
xdotool windowmove --sync "$main" 0 0
client_area "$main"
mx=$X my=$Y
eval "$(xdotool getwindowgeometry --shell "$main")"
size_before="$WIDTH x $HEIGHT"
# Point 2 dragged from 110 to 80 min, the velocity graph shown (V) and point 2 moved on by the arrow
# keys: a trace of four dots.
xdotool mousemove --sync "$(px 110)" "$(py 110)" mousedown 1
for t in 100 90 80; do xdotool mousemove --sync "$(px "$t")" "$(py "$t")"; sleep 0.05; done
xdotool mouseup 1
xdotool key v shift+Left shift+Left shift+Left
pictures "$main" before

# Alt+L opens the Language menu: Automatic, then the languages by code: de, el, en, ...
xdotool key alt+l
sleep 0.5
xdotool key Down Down Return
main_el=$(wait_titled "$greek_title") || exit 1
sleep 1
if find_titled "Σχετικά" >/dev/null; then echo "FAIL: the start-up screen came back"; exit 1; fi
kill -0 "$app" 2>/dev/null || { echo "FAIL: the program ended"; exit 1; }
[ "$main_el" = "$main" ] || { echo "FAIL: another window ($main_el, was $main)"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH x $HEIGHT" = "$size_before" ] || { echo "FAIL: the window is $WIDTH x $HEIGHT, was $size_before"; exit 1; }
echo "the same process ($app) and window speak Greek, $size_before"
pictures "$main" after
# The same read-out is the same points; the same dots are the same trace.
diff=$(compare -metric AE "$out/before.png" "$out/after.png" null: 2>&1)
if [ "${diff%% *}" != "0" ]; then echo "FAIL: the speed display changed ($diff pixels)"; exit 1; fi
if [ "$(wc -l <"$out/before_dots.txt")" -lt 20 ] || ! cmp -s "$out/before_dots.txt" "$out/after_dots.txt"; then
  echo "FAIL: the trace is not what it was (columns in $out/*_dots.txt)"; exit 1
fi
if [ "$(cat "$XDG_CONFIG_HOME/kyvelo/language")" != el ]; then echo "FAIL: the choice was not kept"; exit 1; fi
echo "PASS: Greek from the menu bar in the same window; read-out and trace as they were"
