#!/usr/bin/env bash
# The real program's command line: --help and --version without any display, the two forms of
# --screenshot with the format by suffix and file names kept byte for byte, and a clear exit 1
# (never Qt's abort) where no window can be opened.
set -u
binary=$(realpath "$1")
out=${2:-/tmp}/commandline
rm -rf "$out"
mkdir -p "$out"
cd "$out" || exit 1
failures=0
# Its own runtime folder: the single-copy check must not meet a copy that another test runs.
mkdir -m 700 "$out/runtime"
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect CODE TEXT ENV... -- ARGS...: runs the program with only ENV set; checks the exit code and
# that TEXT is in what it printed. Its standard output goes to SINK where that is set.
expect() {
  local code=$1 text=$2
  shift 2
  local env=()
  while [ "$1" != -- ]; do env+=("$1"); shift; done
  shift
  : >"$out/stdout"
  env -i PATH="$PATH" HOME="$out" XDG_RUNTIME_DIR="$out/runtime" "${env[@]}" timeout 30 "$binary" "$@" >"${SINK:-$out/stdout}" 2>"$out/stderr"
  local rc=$?
  [ "$rc" = "$code" ] || fail "$* with ${env[*]}: exit $rc, expected $code: $(cat "$out/stderr")"
  [ -z "$text" ] || grep -qF -- "$text" "$out/stdout" "$out/stderr" || fail "$* with ${env[*]}: no \"$text\" in: $(cat "$out/stdout" "$out/stderr")"
}

is_png() { [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$1 is not a PNG"; }

expect 0 "Usage: kyvelo [--profile N]" -- --help
expect 0 "kyvelo " -- --version /serverhandle=1
[ -s "$out/stderr" ] && fail "--version wrote to stderr: $(cat "$out/stderr")"

offscreen=QT_QPA_PLATFORM=offscreen
expect 0 "" "$offscreen" -- --screenshot=equals.png
is_png equals.png
[ -s "$out/stderr" ] && fail "a picture's run wrote to stderr: $(cat "$out/stderr")"
expect 0 "" "$offscreen" -- --screenshot nosuffix /serverhandle=12
is_png nosuffix
expect 0 "" "$offscreen" -- --screenshot picture.bmp
[ "$(head -c 2 picture.bmp)" = BM ] || fail "picture.bmp is not a BMP"
expect 2 'cannot write shot.xyz: "xyz" is not an image format that can be written; use one of: ' "$offscreen" -- --screenshot shot.xyz
grep -qF ' png' "$out/stderr" || fail "the format list lacks png"
[ -e shot.xyz ] && fail "shot.xyz was written"
raw=$(printf 'caf\351\377.png')
expect 0 "" "$offscreen" -- --screenshot "$raw"
if [ -e "$raw" ]; then is_png "$raw"; else fail "the non-UTF-8 name was not kept: $(ls | od -c)"; fi
expect 1 "kyvelo: cannot write missing/x.png: No such file or directory" "$offscreen" -- --screenshot missing/x.png

# Worksheets: a picture of a given state, the limit table on stdout without any display, bad values.
expect 0 "" "$offscreen" -- --profile 2 --points 90,120 --exact --screenshot worksheet.png
is_png worksheet.png
expect 0 "Tangent, exact				75.00" -- --table --profile 0 --point 50
[ "$(wc -l <"$out/stdout")" = 13 ] || fail "the table is not 13 lines: $(cat "$out/stdout")"
expect 2 'kyvelo: --points needs two times T1,T2 from 0 to 133 min, not "90"' "$offscreen" -- --points 90 --screenshot bad.png
[ -e bad.png ] && fail "bad.png was written"

# What the command line refuses, where its output cannot be written, and the worksheet pictures:
# exit code | text in the output | picture written and its size | standard output | arguments.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }
while IFS='|' read -r code text picture size sink args; do
  [ "$sink" = - ] && sink=""
  # shellcheck disable=SC2086 # the arguments are split at blanks
  SINK=$sink expect "$code" "$text" "$offscreen" -- $args
  if [ "$picture" = - ]; then
    [ -e a.png ] && fail "$args wrote a picture" && rm -f a.png
  else
    [ "$(png_size "$picture")" = "$size" ] || fail "$args: $picture is $(png_size "$picture"), not $size"
  fi
done <<'ROWS'
2|kyvelo: unknown option "--prfile"; kyvelo --help lists the options|-||-|--prfile 1 --screenshot a.png
2|kyvelo: unknown option "-p"; kyvelo --help lists the options|-||-|-p 1 --screenshot a.png
2|kyvelo: --velocity-graph takes no value, not "--velocity-graph=yes"|-||-|--velocity-graph=yes --screenshot a.png
2|kyvelo: --screenshot needs a value, not the option "--table"|-||-|--screenshot --table
2|kyvelo: --picture needs window or chart, not "page"|-||-|--picture page --screenshot a.png
2|kyvelo: --scale needs a whole number from 1 to 4, not "5"|-||-|--scale 5 --screenshot a.png
2|kyvelo: --picture and --scale go with --screenshot|-||-|--scale 2
1|kyvelo: cannot write the table: No space left on device|-||/dev/full|--table
1|kyvelo: cannot write /dev/full: |-||-|--screenshot /dev/full
0||qt.png|792x587|-|-platform offscreen -style Fusion -reverse /serverhandle=3 --screenshot qt.png
0||chart.png|792x446|-|--profile 1 --points 50,110 --limit-table --picture chart --screenshot chart.png
0||hidden.png|792x446|-|--profile 1 --points 50,110 --limit-table --picture chart --hide-values --screenshot hidden.png
0||window2.png|1584x1174|-|--scale 2 --screenshot window2.png
0||chart3.png|2376x1338|-|--picture=chart --scale=3 --screenshot chart3.png
ROWS
cmp -s chart.png hidden.png && fail "--hide-values left the values in the picture"

# Measured trips: the sample commute's limit table and its export, a picture of the cycle ride, a
# file that cannot be used, a time off the trip's span and options that contradict each other.
trips=$(dirname "$binary")/trips
expect 0 "commute.csv, point 1 at 5.0 min" -- --trip "$trips/commute.csv" --table --point 5
[ "$(wc -l <"$out/stdout")" = 13 ] || fail "the trip's table is not 13 lines: $(cat "$out/stdout")"
expect 0 "" -- --trip "$trips/commute.csv" --export commute-out.csv
[ "$(head -n 1 commute-out.csv)" = "time [min],distance [km],velocity [km/h]" ] || fail "export header: $(head -n 1 commute-out.csv)"
[ "$(wc -l <commute-out.csv)" = 692 ] || fail "the export has not one line per sample and a header"
expect 0 "" "$offscreen" -- --trip "$trips/ride.gpx" --single --point 10 --velocity-graph --screenshot ride.png
is_png ride.png
printf 't [min],s [km]\n0,0\n2,1\n1,2\n' >back.csv
expect 2 "kyvelo: back.csv, line 4: the time goes back, from 2 min to 1 min." -- --trip back.csv --table
expect 2 'kyvelo: --point needs a time from 0 to 11.5 min, not "20"' -- --trip "$trips/commute.csv" --point 20 --table
expect 2 "kyvelo: --trip and --profile both choose the trip; give one" -- --profile 1 --trip back.csv
expect 2 "kyvelo: --export writes the trip that --trip opens; give --trip FILE" -- --export out.csv
[ -e out.csv ] && fail "out.csv was written"

# No usable link folder (a relative runtime folder, and the temporary one's open to others): the
# program still runs, and says once what it lacks and why.
taken="$out/tmp/kyvelo-link-$(id -u)"
mkdir -p "$taken" && chmod 755 "$taken"
expect 0 "kyvelo: running without the host link, so neither the host textbook nor another copy of the program can reach this one (XDG_RUNTIME_DIR \"relative\" is not an absolute path; $taken: other users may enter it)" "$offscreen" XDG_RUNTIME_DIR=relative TMPDIR="$out/tmp" -- --screenshot alone.png
is_png alone.png
[ "$(grep -c '^kyvelo:' "$out/stderr")" = 1 ] || fail "not said once: $(cat "$out/stderr")"

# A display that is set but cannot be opened, a platform that does not exist, Wayland without its plugin.
n=7000
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
advice="To run it without a display, use a virtual screen:"
expect 1 "kyvelo: cannot open a window (DISPLAY=\":$n\"" "DISPLAY=:$n" -- --screenshot never.png
grep -qF "$advice" "$out/stderr" || fail "no advice for DISPLAY=:$n"
expect 1 "QT_QPA_PLATFORM=\"bogus\")." QT_QPA_PLATFORM=bogus --
grep -qF "Reinstalling" "$out/stderr" && fail "Qt's own advice is still shown"
expect 1 "WAYLAND_DISPLAY=\"kyvelo-none\"" WAYLAND_DISPLAY=kyvelo-none --
expect 1 "kyvelo: no display found." --
# Qt's own options name a display too.
expect 1 "kyvelo: cannot open a window" -- -display ":$n" --screenshot never.png
expect 1 "kyvelo: cannot open a window" -- -platform "xcb:display=:$n" --screenshot never.png
[ -e never.png ] && fail "never.png was written"

[ "$failures" = 0 ] && echo "PASS: command line" && exit 0
exit 1
