#!/usr/bin/env bash
# Makes the pictures in docs/ from the real program on a virtual X screen of 1366 x 768, each from a
# fresh start of a copy of the build's program folder with the language file it needs.
# Usage: scripts/docs_screenshots.sh build/src/app/kyvelo          every picture (English, German,
#                                   the start-up screen, the main window and Set points in French
#                                   and in Greek)
#        scripts/docs_screenshots.sh build/src/app/kyvelo LANGUAGE  only startup-LANGUAGE.png, with
#                                   src/app/languages/kyvelo_LANGUAGE.itl (e.g. de)
#        scripts/docs_screenshots.sh build/src/app/kyvelo worksheet only docs/worksheet/, without
#                                   a screen (after a change of the table's or the chart's look)
#        scripts/docs_screenshots.sh build/src/app/kyvelo trips     only docs/trip-*.png, the sample
#                                   trips with the velocity graph, without a screen
set -eu
binary=$(realpath "$1")
root=$(realpath "$(dirname "$0")/..")
docs=$root/docs
language=${2:-}
if [ -n "$language" ] && [ "$language" != worksheet ] && [ "$language" != trips ] && [ ! -f "$root/src/app/languages/kyvelo_$language.itl" ]; then
  echo "no language file src/app/languages/kyvelo_$language.itl" >&2
  exit 2
fi
tmp=$(mktemp -d)

# A worksheet set from the command line, in English (the file beside the program): the Standard
# Road with points at 50 and 110 min as the chart's picture at three times the size, the same with
# the values left blank for predicting them first, and the limit table of point 1 at 50 min.
worksheet() {
  local sheet=$docs/worksheet
  mkdir -p "$sheet"
  local run=(env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tmp" XDG_CONFIG_HOME="$tmp/config" "$binary")
  local chart=(--profile 1 --points 50,110 --picture chart --scale 3)
  "${run[@]}" "${chart[@]}" --screenshot "$sheet/standard-road-50-110.png" 2>/dev/null
  "${run[@]}" "${chart[@]}" --hide-values --screenshot "$sheet/standard-road-50-110-blank.png" 2>/dev/null
  "${run[@]}" --table --profile 1 --point 50 >"$sheet/limit-table-50.tsv"
}

# Each sample trip beside the program in single-point mode with its velocity graph, point 1 a third
# of the way into it.
trips() {
  local run=(env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$tmp" XDG_CONFIG_HOME="$tmp/config" "$binary")
  local samples
  samples=$(dirname "$binary")/trips
  "${run[@]}" --trip "$samples/commute.csv" --single --point 5 --velocity-graph --screenshot "$docs/trip-commute.png" 2>/dev/null
  "${run[@]}" --trip "$samples/ride.gpx" --single --point 10 --velocity-graph --screenshot "$docs/trip-ride.png" 2>/dev/null
  "${run[@]}" --trip "$samples/walk.csv" --single --point 10 --velocity-graph --screenshot "$docs/trip-walk.png" 2>/dev/null
}

if [ "$language" = worksheet ] || [ "$language" = trips ]; then
  "$language"
  rm -rf "$tmp"
  exit
fi
# -noreset: without it the server starts anew whenever its last client leaves, as between two
# pictures, and turns away a program that connects at that moment.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
app=
trap '[ -n "$app" ] && kill $app; kill $xvfb; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$tmp/display")
export XDG_RUNTIME_DIR=$tmp # a link directory of its own: another running copy must not end this one
export XDG_CONFIG_HOME=$tmp/config # no language chosen in the program's menu overrides the file beside it
# The package's language files where the copies below find them, for the context menu's Language entry.
cp -r "$(dirname "$binary")/../share" "$tmp/"
unset QT_QPA_PLATFORM

# Starts the program in LANGUAGE ($1) with the options that follow, from a copy of its folder with
# that language's file beside it; window ids in $about and $win, the main window's geometry in
# $X, $Y, $WIDTH and $HEIGHT.
start() {
  local language=$1
  shift
  local folder=$tmp/$language
  if [ ! -d "$folder" ]; then
    mkdir "$folder"
    cp -r "$binary" "$(dirname "$binary")/help" "$folder/"
    cp "$root/src/app/languages/kyvelo_$language.itl" "$folder/kyvelo.itl"
  fi
  "$folder/kyvelo" "$@" 2>/dev/null &
  app=$!
  wait_for_windows 2 # the start-up screen opens in front of the main window
  local ids
  ids=$(windows_by_size)
  win=$(echo "$ids" | head -n 1)
  about=$(echo "$ids" | tail -n 1)
  eval "$(xdotool getwindowgeometry --shell "$win")"
  sleep 1
}

wait_for_windows() { # $1 count
  for _ in $(seq 100); do
    [ "$(xdotool search --all --onlyvisible --pid "$app" --name . 2>/dev/null | grep -c .)" -ge "$1" ] && return
    sleep 0.1
  done
  echo "the program's windows did not come up" >&2
  exit 1
}

# The program's visible windows, the largest first.
windows_by_size() {
  for id in $(xdotool search --all --onlyvisible --pid "$app" --name .); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$((WIDTH * HEIGHT)) $id"
  done | sort -rn | cut -d ' ' -f 2
}

# Closes the start-up screen with its OK button (424, 296, 113 x 33 in the dialog) and gives the
# main window the keyboard.
close_startup_screen() {
  xdotool mousemove --window "$about" 480 312 click 1
  sleep 0.5
  xdotool windowfocus --sync "$win"
  sleep 0.5
}

shoot() { # $1 file in docs/
  sleep 0.7
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -define png:exclude-chunks=date,time "$docs/$1"
}

stop() {
  kill "$app"
  wait "$app" || true
  app=
}

# The chart starts 41 px below the client area's top, which lies under the menu bar; time 0..133 min
# over 506 px from x 50.
px() { echo $((50 + $1 * 506 / 133)); }

startup_picture() { # $1 language
  start "$1"
  shoot "startup-$1.png"
  stop
}

main_window_picture() { # $1 language, $2 file in docs/
  start "$1"
  close_startup_screen
  shoot "$2"
  stop
}

# Back and Forth in single-point mode: a click gives the chart the keys, then point 1 walks from 10
# to 115 min in steps of 5 min, each step leaving its dot under the exact curve.
velocity_graph_picture() {
  start en --profile 2 --single --point 10 --exact
  close_startup_screen
  xdotool mousemove --window "$win" "$(px 60)" 100 click 1
  for _ in $(seq 21); do xdotool key shift+Right; sleep 0.1; done
  shoot velocity-graph.png
  stop
}

limit_table_picture() {
  start en --limit-table
  close_startup_screen
  shoot limit-table.png
  stop
}

# Tab past the four controls of the top panel to the chart, then point 2, 5 min to the left.
focus_ring_picture() {
  start en
  close_startup_screen
  for _ in 1 2 3 4 5; do xdotool key Tab; sleep 0.2; done
  xdotool key space shift+Left
  shoot focus-ring.png
  stop
}

# The right button on the chart, near point 1.
context_menu_picture() {
  start en
  close_startup_screen
  xdotool mousemove --window "$win" "$(px 80)" 250 click 3
  shoot context-menu.png
  xdotool key Escape
  stop
}

# The View menu opened with Alt+V: the tools and their keys.
menu_picture() {
  start en
  close_startup_screen
  xdotool key alt+v
  shoot menu-bar.png
  xdotool key Escape
  stop
}

# Single-point mode zoomed in at point 1 (50 min) to six minutes: the curve hugs its tangent.
zoom_picture() {
  start en --single --point 50 --view 47,53
  close_startup_screen
  shoot zoom-point-1.png
  stop
}

# The road strip (D) under the chart, with the velocity graph, while the trip plays at x60 (3,
# Space) from 20 min on (twenty steps of a minute).
road_strip_picture() {
  start en --single --point 20 --velocity-graph
  close_startup_screen
  xdotool key d
  sleep 0.3
  xdotool key 3
  for _ in $(seq 20); do xdotool key Right; done
  xdotool key space
  sleep 1.5
  shoot road-strip.png
  stop
}

# "Set points..." (P) over the main window in LANGUAGE ($1): its title must fit.
set_points_picture() {
  start "$1"
  close_startup_screen
  xdotool key p
  shoot "set-points-$1.png"
  xdotool key Escape
  stop
}

if [ -n "$language" ]; then
  startup_picture "$language"
  exit
fi
startup_picture en
startup_picture de
startup_picture fr
startup_picture el
main_window_picture en screenshot.png
main_window_picture fr main-fr.png
main_window_picture el main-el.png
velocity_graph_picture
zoom_picture
road_strip_picture
limit_table_picture
focus_ring_picture
context_menu_picture
menu_picture
set_points_picture fr
set_points_picture el
worksheet
trips
