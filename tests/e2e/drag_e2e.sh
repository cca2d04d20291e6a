#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X screen, closes its start-up screen, drags a
# measuring point across the chart with the X test extension, checks that the screen changed where
# it must, and ends the program with its Exit button. Exit 77 (skipped) when Xvfb or the X tools are
# missing.
set -u
. "$(dirname "$0")/e2e_lib.sh"

# The window keeps the size its layout was made for (it is never scaled below that).
start_program
close_about || exit 1
win=$(wait_window "Distance - Time - Velocity") || exit 1
xdotool windowmove --sync "$win" 0 0
client_area "$win"
settled_screenshot "$out/e2e_before.png"

# Chart: client (0, 41), 576 x 446, margins 50/20/20/40, so time 0..133 runs over 506 px.
# Drag from t = 110 (point 2) to t = 20 at mid height.
px() { echo $(( X + 50 + $1 * 506 / 133 )); }
y=$(( Y + 41 + 200 ))
xdotool mousemove --sync "$(px 110)" "$y" mousedown 1
for t in 100 80 60 40 20; do xdotool mousemove --sync "$(px "$t")" "$y"; sleep 0.05; done
xdotool mouseup 1

# The dot-matrix speed display (right panel at x 576, display at 7, 32, 201 x 41) must have changed,
# and so must the chart's data area (506 x 386 at 50, 20).
crop() { convert "$1" -crop "$2" +repage "$3"; }
changed() { # $1 geometry, $2 name
  crop "$out/e2e_before.png" "$1" "$out/b_$2.png"
  crop "$out/e2e_after.png" "$1" "$out/a_$2.png"
  diff=$(compare -metric AE "$out/b_$2.png" "$out/a_$2.png" null: 2>&1)
  echo "$2: $diff pixels differ"
  [ "${diff%% *}" != "0" ]
}
# A loaded machine may take a moment to repaint: look again for up to thirty seconds.
ok=0
for _ in $(seq 120); do
  sleep 0.25
  import -window root "$out/e2e_after.png"
  ok=1
  changed "201x41+$((X + 583))+$((Y + 73))" speed || ok=0
  changed "506x386+$((X + 50))+$((Y + 61))" chart || ok=0
  [ "$ok" = 1 ] && break
done
if [ "$ok" != 1 ]; then echo "FAIL: the screen did not change where it should (pictures in $out)"; exit 1; fi
echo "the drag moved the point and the read-out"

# The Exit button (680, 5, 105 x 29 in the top panel) ends the program normally: exit code 0 (in the
# sanitizer build that includes the leak check at exit), its link record and socket removed.
xdotool mousemove --sync $((X + 680 + 52)) $((Y + 5 + 14)) click 1
for _ in $(seq 300); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "FAIL: Exit did not end the program"; exit 1; fi
wait "$app"
code=$?
app=
if [ "$code" != 0 ]; then echo "FAIL: the program ended with exit code $code"; cat "$out/app.log"; exit 1; fi
left=$(find "$XDG_RUNTIME_DIR" -name '*.link' -o -name '*.sock')
if [ -n "$left" ]; then echo "FAIL: link files left behind: $left"; exit 1; fi
echo "PASS: the drag moved the point and the read-out; Exit ended the program cleanly"
