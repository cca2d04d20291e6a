#!/usr/bin/env bash
# End-to-end on a 1920 x 1080 projector screen: F5 turns the main window into presentation mode,
# full screen, with the velocity read-out's dots and the measuring points measured from the screen
# at least 2.5 times their height in the window; Escape brings the window back to its size and
# place. Exit 77 (skipped) when Xvfb or the X tools are missing.
set -u
screen_size=1920x1080
. "$(dirname "$0")/e2e_lib.sh"

# Height of the lit dots of the velocity read-out, the only yellow on the screen.
yellowHeight() { convert "$1" -fill black +opaque yellow -trim -format '%h' info:; }
# Height of the largest round red shape (a measuring point: as wide as high) under the top panel.
pointHeight() {
  convert "$1" -crop 1300x1000+0+40 +repage -fill black +opaque red -fill white -opaque red \
    -define connected-components:verbose=true -connected-components 8 null: |
    awk '$NF == "srgb(255,255,255)" || $NF == "gray(255)" {
           split($2, a, /[x+]/); if (a[1] == a[2] && a[1] > m) m = a[1] } END { print m + 0 }'
}
atLeast() { awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { exit !(a >= f * b) }'; }

start_program
main=$(wait_window "Distance - Time - Velocity") || exit 1
xdotool key Return
wait_window_gone "About" || exit 1
settled_screenshot "$out/window.png"
window=$(xdotool getwindowgeometry "$main" | tail -n 2)

click_in "$main" 300 30 # the top panel: the window has the keys, no control takes them
xdotool key F5
settled_screenshot "$out/presentation.png"
eval "$(xdotool getwindowgeometry --shell "$main")"
if ((WIDTH != 1920 || HEIGHT != 1080)); then
  echo "FAIL: F5 made the window $WIDTH x $HEIGHT, not the screen"; exit 1
fi
small_text=$(yellowHeight "$out/window.png") large_text=$(yellowHeight "$out/presentation.png")
small_point=$(pointHeight "$out/window.png") large_point=$(pointHeight "$out/presentation.png")
echo "read-out text $small_text -> $large_text px, measuring point $small_point -> $large_point px"
if ((small_text == 0 || small_point == 0)) || ! atLeast "$large_text" "$small_text" 2.5 ||
  ! atLeast "$large_point" "$small_point" 2.5; then
  echo "FAIL: presentation mode does not draw them 2.5 times as large (pictures in $out)"; exit 1
fi

xdotool key Escape
for _ in $(seq 100); do
  [ "$(xdotool getwindowgeometry "$main" | tail -n 2)" = "$window" ] && break
  sleep 0.1
done
settled_screenshot "$out/back.png"
if [ "$(xdotool getwindowgeometry "$main" | tail -n 2)" != "$window" ]; then
  echo "FAIL: Escape did not restore the window ($window)"; exit 1
fi
if [ "$(compare -metric AE "$out/window.png" "$out/back.png" null: 2>&1)" != "0" ]; then
  echo "FAIL: the window looks otherwise than before presentation mode (pictures in $out)"; exit 1
fi
echo "PASS: F5 fills the screen with read-out and points 2.5 times as large, Escape restores the window"
