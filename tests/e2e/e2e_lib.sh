# Shared by the end-to-end tests: a private Xvfb screen, the program on it, and its windows.
# Source it with the program and an output folder as $1 and $2; it exits 77 (skipped) when Xvfb or
# the X tools are missing. The screen is 1280x800 unless screen_size says otherwise.
binary=$1
out=${2:-/tmp}
for tool in Xvfb xdotool xdpyinfo xwininfo import compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done
mkdir -p "$out"

# A screen at a random display number above the ones people and other tools pick (Xvfb's own choice
# starts at :0, where a screen of another test run on this machine may be starting or ending at the
# same moment). A number that is taken, or a screen that does not answer, means another try.
xvfb=
app=
runtime=
# The screen is waited for, so that the next test's screen never starts while this one shuts down.
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  [ -n "$runtime" ] && rm -rf "$runtime"
}
trap cleanup EXIT
# Starts Xvfb on display $1 and waits up to five seconds for it to answer; fails if it does not.
start_screen() {
  [ -e "/tmp/.X$1-lock" ] && return 1
  # Without -noreset the server starts itself anew when its last client leaves, here the probe
  # below, and a program that connects during that moment is turned away.
  Xvfb ":$1" -screen 0 "${screen_size:-1280x800}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do
    kill -0 "$xvfb" 2>/dev/null || break
    xdpyinfo -display ":$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  xvfb=
  return 1
}
for _ in $(seq 10); do
  display=$((200 + RANDOM % 4000))
  start_screen "$display" && break
done
if [ -z "$xvfb" ]; then echo "FAIL: no Xvfb screen answered in ten tries"; exit 1; fi
export DISPLAY=:$display
unset QT_QPA_PLATFORM
# A link directory of its own: a copy of the program running elsewhere must not make this one
# the second copy (which ends at once).
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
# A configuration folder of its own: a language chosen in the menu of a copy the user runs would
# otherwise win over the English file beside the program.
export XDG_CONFIG_HOME=$runtime/config

# Starts the program; its messages go to $out/app.log.
start_program() {
  "$binary" "$@" 2>"$out/app.log" &
  app=$!
}

# Prints the id of the program's visible window whose title matches $1, waiting up to thirty seconds
# (a loaded machine, or a sanitizer build, starts the program slowly).
wait_window() {
  local win=
  for _ in $(seq 300); do
    win=$(xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    sleep 0.1
  done
  if [ -z "$win" ]; then echo "FAIL: no window \"$1\" appeared" >&2; cat "$out/app.log" >&2; return 1; fi
  echo "$win"
}

# Waits up to thirty seconds until no visible window of the program has a title matching $1.
wait_window_gone() {
  for _ in $(seq 300); do
    [ -z "$(xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  echo "FAIL: window \"$1\" did not close" >&2
  return 1
}

# Whether window $1 lies above window $2: without a window manager the program's windows are
# children of the root, which xwininfo lists topmost first.
above() {
  local order first second
  order=$(xwininfo -root -children | awk '/^ +0x/ { print $1 }')
  first=$(echo "$order" | grep -n -i -x "$(printf '0x%x' "$1")" | cut -d: -f1)
  second=$(echo "$order" | grep -n -i -x "$(printf '0x%x' "$2")" | cut -d: -f1)
  [ -n "$first" ] && [ -n "$second" ] && [ "$first" -lt "$second" ]
}

# The main window's client area, where its layout lies: under the menu bar, which the window adds
# above the layout's 567 pixels. Sets X, Y, WIDTH and HEIGHT for main window $1 at its layout's size.
client_area() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  Y=$((Y + HEIGHT - 567)) HEIGHT=567
}

# Clicks at client pixel ($2, $3) of window $1.
click_in() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}

# Closes the About dialog with its OK button (at 424, 296, 113 x 33 in the dialog).
close_about() {
  local about
  about=$(wait_window "About") || return 1
  click_in "$about" $((424 + 56)) $((296 + 16))
  wait_window_gone "About"
}

# Writes a screenshot to $1 once two in a row agree (the screen has finished painting).
settled_screenshot() {
  import -window root "$1"
  for _ in $(seq 40); do
    sleep 0.25
    import -window root "$1.next.png"
    if [ "$(compare -metric AE "$1" "$1.next.png" null: 2>&1)" = "0" ]; then rm -f "$1.next.png"; return; fi
    mv "$1.next.png" "$1"
  done
}

# Screen pixel of the standard road situation's curve at time $1 min, for a main window whose client
# area starts at ($mx, $my). The chart lies at client (0, 41), 576 x 446, with margins 50/20/20/40:
# time 0..133 over 506 px, distance 0..180 over 386 px.
px() { awk -v t="$1" -v x="$mx" 'BEGIN { printf "%d", x + 50 + t * 506 / 133 + 0.5 }'; }
py() {
  awk -v t="$1" -v y="$my" 'BEGIN { s = t + 7 * cos((t + 20) / 20) + 8 * sin((t + 40) / 11.3) + 10;
                                    printf "%d", y + 61 + (180 - s) * 386 / 180 + 0.5 }'
}

# Red pixels of a point mark in the 5 x 5 pixels around time $1 on the curve, on the screen as it is.
redAt() {
  import -window root "$out/now.png"
  convert "$out/now.png" -crop "5x5+$(($(px "$1") - 2))+$(($(py "$1") - 2))" +repage \
    -fill black +opaque red -fill white -opaque red -format '%[fx:int(mean*w*h+0.5)]' info:
}
