#!/usr/bin/env bash
# End-to-end: the velocity graph on a virtual X screen. Starts the program in single-point mode,
# gives the chart the keyboard with a click, shows the graph with V, moves point 1 with Shift+Right and finds a
# red dot of the trace at the pixel of every velocity measured on the way (the tangent's velocity,
# as the program's own --table prints it). Exit 77 (skipped) when Xvfb or the X tools are missing.
set -u
. "$(dirname "$0")/e2e_lib.sh"

start_program --single
close_about || exit 1
win=$(wait_window "Distance - Time - Velocity") || exit 1
xdotool windowmove --sync "$win" 0 0
client_area "$win"
mx=$X my=$Y

# The window at its layout's size (792 x 567): the graph takes 40 % of the 446 pixels between the
# top panel (41) and the text strip (80), so it is 178 high at y 309; its data area lies 50 px from
# the left and 20 / 40 px from its top and bottom, 506 x 118 px for 0..133 min (the chart's time
# axis, px) and -80..120 km/h.
graph_y() { python3 -c "print(round($my + 309 + 138 - ($1 + 80) * 118 / 200))"; }
# The tangent's velocity at t, as single-point mode measures it (the table's central secant).
velocity() { "$binary" --table --profile 1 --point "$1" | sed -n 12p | cut -f5; }
# Whether there is a red pixel within two pixels of the dot for time $2 in screenshot $1.
red_dot() {
  local v x y
  v=$(velocity "$2"); x=$(px "$2"); y=$(graph_y "$v")
  convert "$1" -crop "5x5+$((x - 2))+$((y - 2))" +repage txt:- | grep -qi "#FF0000"
}

# The graph's zero line is a grey row across the bottom part of the window.
settled_screenshot "$out/before.png"
graph_area() { convert "$1" -crop "506x118+$((X + 50))+$((Y + 329))" +repage "$2"; }
graph_area "$out/before.png" "$out/before_area.png"
graph_shown() {
  settled_screenshot "$out/graph.png"
  graph_area "$out/graph.png" "$out/graph_area.png"
  [ "$(compare -metric AE "$out/before_area.png" "$out/graph_area.png" null: 2>&1)" != 0 ]
}
# A click on point 1 gives the chart the arrow keys; V shows the graph wherever the keyboard is.
xdotool mousemove --sync "$(px 50)" "$(py 50)" click 1
xdotool key v
graph_shown || { echo "FAIL: V did not show the velocity graph"; exit 1; }
red_dot "$out/graph.png" 50 || { echo "FAIL: no dot for the start's measurement at 50 min"; exit 1; }
red_dot "$out/graph.png" 70 && { echo "FAIL: a dot at 70 min before point 1 got there"; exit 1; }

for _ in 1 2 3 4; do xdotool key shift+Right; sleep 0.1; done
settled_screenshot "$out/trace.png"
for t in 50 55 60 65 70; do
  red_dot "$out/trace.png" "$t" || { echo "FAIL: no dot at $t min, $(velocity "$t") km/h (pictures in $out)"; exit 1; }
done
echo "PASS: the trace shows every measured velocity"
