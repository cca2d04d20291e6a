#!/usr/bin/env bash
# End-to-end: the program starts with its About dialog in front of the main window; OK closes it
# and leaves the simulation running; the About button brings it back. Exit 77 (skipped) when Xvfb
# or the X tools are missing.
set -u
. "$(dirname "$0")/e2e_lib.sh"

start_program
about=$(wait_window "About") || exit 1
main=$(wait_window "Distance - Time - Velocity") || exit 1
settled_screenshot "$out/startup.png"
if ! above "$about" "$main"; then echo "FAIL: the About dialog is not in front of the main window"; exit 1; fi
echo "start-up screen in front of the main window"

# Lit dots of the yellow speed display (7, 32, 201 x 41 in the right panel at x 576).
litDots() {
  client_area "$main"
  import -window root "$out/now.png"
  convert "$out/now.png" -crop "201x41+$((X + 583))+$((Y + 73))" +repage -fill black +opaque yellow \
    -fill white -opaque yellow -format '%[fx:int(mean*w*h+0.5)]' info:
}
before=$(litDots)
close_about || exit 1
# The simulation starts once the start-up screen is closed: the speed display changes from its
# layout text to the velocity.
for _ in $(seq 120); do
  after=$(litDots)
  [ "$after" -ne "$before" ] && break
  sleep 0.25
done
echo "speed display: $before lit dots before OK, $after after"
if [ "$after" -eq "$before" ]; then echo "FAIL: the simulation did not start after OK"; exit 1; fi
if ! kill -0 "$app" 2>/dev/null; then echo "FAIL: the program ended with the start-up screen"; exit 1; fi

# The About button (568, 4, 105 x 29 in the top panel) shows the dialog again, in front.
client_area "$main"
xdotool mousemove --sync $((X + 568 + 52)) $((Y + 4 + 14)) click 1
again=$(wait_window "About") || exit 1
if ! above "$again" "$main"; then echo "FAIL: the About button's dialog is not in front"; exit 1; fi
close_about || exit 1
[ "$(litDots)" -eq "$after" ] || { echo "FAIL: the read-out changed while the dialog was up"; exit 1; }
echo "PASS: start-up screen in front, OK starts the simulation, the About button shows it again"
