#!/usr/bin/env bash
# End-to-end on a 1366 x 768 laptop screen: the main window opens inside the screen with the start-up
# screen centred over it; Enter closes the start-up screen; a click on point 1 gives the chart the
# keys, which then move point 1; Escape closes the About dialog opened again. Exit 77 (skipped) when
# Xvfb or the X tools are missing.
set -u
screen_size=1366x768
. "$(dirname "$0")/e2e_lib.sh"

start_program
about=$(wait_window "About") || exit 1
main=$(wait_window "Distance - Time - Velocity") || exit 1
settled_screenshot "$out/startup.png"
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X my=$Y mw=$WIDTH mh=$HEIGHT
echo "main window at $mx,$my, $mw x $mh"
if ((mx < 0 || my < 0 || mx + mw > 1366 || my + mh > 768)); then
  echo "FAIL: the main window reaches beyond the screen"; exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$about")"
dx=$((X + WIDTH / 2 - mx - mw / 2)) dy=$((Y + HEIGHT / 2 - my - mh / 2))
client_area "$main"
mx=$X my=$Y
if ((dx * dx > 1 || dy * dy > 1)); then
  echo "FAIL: the start-up screen is not centred over the main window ($dx, $dy off)"; exit 1
fi

xdotool key Return
wait_window_gone "About" || exit 1
echo "Enter closed the start-up screen"

xdotool mousemove --sync "$(px 50)" "$(py 50)" click 1
for _ in 1 2 3 4 5 6; do xdotool key shift+Right; done # 6 x 5 min
for _ in $(seq 120); do
  [ "$(redAt 80)" -ge 9 ] && break
  sleep 0.25
done
settled_screenshot "$out/keys.png"
echo "red pixels at 80 min: $(redAt 80), at 50 min: $(redAt 50), at 110 min: $(redAt 110)"
if [ "$(redAt 80)" -lt 9 ] || [ "$(redAt 50)" -ne 0 ] || [ "$(redAt 110)" -lt 9 ]; then
  echo "FAIL: the keys did not move point 1, the one clicked (pictures in $out)"; exit 1
fi

# The About button (568, 4, 105 x 29 in the top panel) shows the dialog again; Escape closes it.
xdotool mousemove --sync $((mx + 568 + 52)) $((my + 4 + 14)) click 1
wait_window "About" >/dev/null || exit 1
xdotool key Escape
wait_window_gone "About" || exit 1
echo "PASS: inside the screen, Enter and Escape close the About dialog, a click gives the chart the keys"
