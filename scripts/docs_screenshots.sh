#!/usr/bin/env bash
# Makes the screenshots of docs/keyboard-and-accessibility.md: the chart with the keyboard focus
# and the chart's context menu, from the real program on a virtual X screen.
# Usage: scripts/docs_screenshots.sh build/src/app/kyvelo
set -eu
binary=$1
docs=$(dirname "$0")/../docs
tmp=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x700x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
app=
trap '[ -n "$app" ] && kill $app; kill $xvfb; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$tmp/display")
export XDG_RUNTIME_DIR=$tmp # a link directory of its own: another running copy must not end this one
unset QT_QPA_PLATFORM

"$binary" 2>/dev/null &
app=$!
find_window() { # $1 title
  for _ in $(seq 100); do
    xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null | head -n 1 | grep . && return
    sleep 0.1
  done
}
# Close the start-up screen with its OK button (424, 296, 113 x 33 in the dialog).
about=$(find_window "About")
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove --sync $((X + 480)) $((Y + 312)) click 1
sleep 0.5
win=$(find_window "Distance - Time - Velocity")
xdotool windowmove --sync "$win" 0 0
xdotool windowfocus --sync "$win"
sleep 1

# Chart at client (0, 41), 576 x 446; time 0..133 over 506 px from x 50.
px() { echo $(( 50 + $1 * 506 / 133 )); }

# Keyboard: Tab past the four controls of the top panel to the chart, then point 2, 5 min left.
for _ in 1 2 3 4 5; do xdotool key Tab; sleep 0.2; done
xdotool key space shift+Left
sleep 0.5
import -window root -crop 792x567+0+0 +repage "$docs/focus-ring.png"

# Context menu: right button on the chart.
xdotool key ctrl+Tab
sleep 0.3
xdotool mousemove "$(px 80)" 250 click 3
sleep 0.7
import -window root -crop 792x567+0+0 +repage "$docs/context-menu.png"
xdotool key Escape
