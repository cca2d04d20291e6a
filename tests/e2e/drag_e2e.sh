#!/usr/bin/env bash
# End-to-end: starts the real program on a virtual X screen, drags a measuring point across the
# chart with the X test extension and checks that the screen changed where it must.
# Exit 77 (skipped) when Xvfb or the X tools are missing.
set -u
binary=$1
out=${2:-/tmp}
for tool in Xvfb xdotool import compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done
mkdir -p "$out"

# Xvfb picks a free display number itself and writes it to fd 3.
rm -f "$out/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$out/display" >/dev/null 2>&1 &
xvfb=$!
app=
runtime=
cleanup() { [ -n "$app" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; [ -n "$runtime" ] && rm -rf "$runtime"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$out/display" ] && break; sleep 0.1; done
if [ ! -s "$out/display" ]; then echo "FAIL: Xvfb did not start"; exit 1; fi
export DISPLAY=:$(head -n 1 "$out/display")
unset QT_QPA_PLATFORM
# A link directory of its own: a copy of the program running elsewhere must not make this one
# the second copy (which ends at once).
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime

# The window keeps the size its layout was made for (it is never scaled below that).
"$binary" 2>"$out/app.log" &
app=$!
win=
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.1
done
if [ -z "$win" ]; then echo "FAIL: the main window did not appear"; cat "$out/app.log"; exit 1; fi
xdotool windowmove --sync "$win" 0 0
eval "$(xdotool getwindowgeometry --shell "$win")" # X, Y, WIDTH, HEIGHT of the client area

# The start picture counts once two screenshots in a row agree (the window has finished painting).
import -window root "$out/e2e_before.png"
for _ in $(seq 40); do
  sleep 0.25
  import -window root "$out/e2e_settled.png"
  [ "$(compare -metric AE "$out/e2e_before.png" "$out/e2e_settled.png" null: 2>&1)" = "0" ] && break
  mv "$out/e2e_settled.png" "$out/e2e_before.png"
done

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
# A loaded machine may take a moment to repaint: look again for up to ten seconds.
for _ in $(seq 40); do
  sleep 0.25
  import -window root "$out/e2e_after.png"
  ok=1
  changed "201x41+$((X + 583))+$((Y + 73))" speed || ok=0
  changed "506x386+$((X + 50))+$((Y + 61))" chart || ok=0
  if [ "$ok" = 1 ]; then echo "PASS: the drag moved the point and the read-out"; exit 0; fi
done
echo "FAIL: the screen did not change where it should (pictures in $out)"
exit 1
