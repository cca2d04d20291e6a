#!/usr/bin/env bash
# End-to-end: zoom and the road strip on a virtual X screen. The mouse wheel over point 1 zooms in
# with point 1 kept in its place, a right drag pans, 0 shows the whole trip again as at the start;
# D shows the road strip, and two seconds played at x60 move the car by the trip's distance over two
# minutes, within a car's length. Exit 77 (skipped) when Xvfb or the X tools are missing.
set -u
. "$(dirname "$0")/e2e_lib.sh"

start_program --profile 0 --single --point 50
close_about || exit 1
win=$(wait_window "Distance - Time - Velocity") || exit 1
xdotool windowmove --sync "$win" 0 0
client_area "$win"
mx=$X my=$Y
# The chart's data area: client (50, 61), 506 x 386; point 1 at 50 min of 0..133.
area="506x386+$((mx + 50))+$((my + 61))"
# The box "WxH+X+Y" of the pixels of colour $2 in the screenshot $1 (within geometry $3).
box() { convert "$1" -crop "$3" +repage -fill black +opaque "$2" -format '%@' info:; }
middle_x() { local b=$1; local w=${b%%x*} x=${b#*+}; x=${x%%+*}; echo $((x + w / 2)); }
shot() { settled_screenshot "$out/$1.png"; }

# A middle click (no drag) gives the chart the keyboard, and with it the ring around point 1.
xdotool mousemove --sync $((mx + 300)) $((my + 61 + 200)) click 2
shot start
mark0=$(middle_x "$(box "$out/start.png" "#FF0000" "$area")")
xdotool mousemove --sync $((mx + 50 + mark0)) $((my + 61 + 200)) click 4 click 4
sleep 0.5
shot wheel
mark1=$(middle_x "$(box "$out/wheel.png" "#FF0000" "$area")")
echo "point 1 at $mark0 px, after two notches of the wheel at $mark1 px"
if [ "$(compare -metric AE "$out/start.png" "$out/wheel.png" null: 2>&1)" = 0 ] || ((mark1 - mark0 > 2 || mark0 - mark1 > 2)); then
  echo "FAIL: the wheel did not zoom around point 1 (pictures in $out)"; exit 1
fi

xdotool mousedown 3 mousemove --sync $((mx + 50 + mark0 + 50)) $((my + 61 + 200)) \
  mousemove --sync $((mx + 50 + mark0 + 100)) $((my + 61 + 200)) mouseup 3
sleep 0.5
shot pan
mark2=$(middle_x "$(box "$out/pan.png" "#FF0000" "$area")")
echo "after a right drag of 100 px point 1 at $mark2 px"
if ((mark2 - mark1 < 97 || mark2 - mark1 > 103)); then echo "FAIL: the drag did not pan by its length"; exit 1; fi

xdotool key 0
sleep 0.5
shot reset
if [ "$(compare -metric AE "$out/start.png" "$out/reset.png" null: 2>&1)" != 0 ]; then
  echo "FAIL: 0 did not show the whole trip as at the start (pictures in $out)"; exit 1
fi
echo "the wheel zoomed at point 1, the drag panned, 0 showed the whole trip"

# The road strip takes the keys: x60, ten steps of a minute, then two seconds of playing. The
# uniform movement covers the same distance every minute, so the car moves a fifth of the steps' way.
car() { settled_screenshot "$out/$1.png"; middle_x "$(box "$out/$1.png" "#C80000" "$((mx + 576))x567+$mx+$my")"; }
xdotool key d
sleep 0.5
car0=$(car strip)
xdotool key 3
for _ in $(seq 10); do xdotool key Right; done
sleep 0.5
car10=$(car steps)
xdotool key space
sleep 2
xdotool key space
car12=$(car played)
expected=$(((car10 - car0) / 5))
echo "car at $car0 px, after ten minutes at $car10 px, after two seconds at x60 at $car12 px (expected +$expected)"
moved=$((car12 - car10))
if ((car10 - car0 < 20 || moved < 1 || moved - expected > 32 || expected - moved > 32)); then
  echo "FAIL: the car did not move by the trip's distance over two minutes (pictures in $out)"; exit 1
fi
echo "PASS: zoom at point 1, pan and reset; the car played at x60 moved as the trip over two minutes"
