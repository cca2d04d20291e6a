#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for SECONDS each on its seeds, two at a time.
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS [TARGET...]   (BUILD_DIR configured with KYVELO_FUZZ=ON)
# What a run adds to the corpus goes to a scratch folder, so the seeds in the tree stay as they are;
# a crash, leak, hang or sanitizer report fails the script and leaves its input and log in
# fuzz-findings/ for the regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2

# Every target with its seed folders, in the order they run.
fuzzers=(
  "layout_fuzzer tests/data/layouts src/app/layouts"
  "languagefile_fuzzer tests/data/localisation"
  "copydata_fuzzer tests/data/hostlink/copydata"
  "linkreader_fuzzer tests/data/hostlink/linkstream"
  "entityrecord_fuzzer tests/data/hostlink/entity"
  "settingsfile_fuzzer tests/data/hostlink/settings"
  "linkrecord_fuzzer tests/data/hostlink/linkrecord"
  "backgroundimage_fuzzer tests/data/backgrounds"
  "commandline_fuzzer tests/data/commandline"
  "tripcsv_fuzzer tests/data/trips/csv"
  "tripgpx_fuzzer tests/data/trips/gpx"
)
declare -A seeds=()
all=()
for fuzzer in "${fuzzers[@]}"; do
  seeds[${fuzzer%% *}]=${fuzzer#* }
  all+=("${fuzzer%% *}")
done
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=("${all[@]}"); fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings=$PWD/fuzz-findings
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp

run() {
  local target=$1 corpus=$scratch/$1
  mkdir -p "$corpus" "$findings"
  # shellcheck disable=SC2086 # the seed folders are a list
  # A run counts only when it reached its end: code that ends the process quietly fails it too.
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$findings/$target-" "$corpus" ${seeds[$target]} >"$scratch/$target.log" 2>&1 &&
     grep -q '^Done' "$scratch/$target.log"; then
    echo "$target: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$scratch/$target.log" | tail -1 | tr -s '\t ' ' ')," \
      "$(grep -E '^Done' "$scratch/$target.log" | tail -1)"
  else
    cp "$scratch/$target.log" "$findings/$target.log"
    echo "$target: FAILED, see $findings/$target.log" >&2
    return 1
  fi
}

status=0
pids=()
for target in "${targets[@]}"; do
  run "$target" &
  pids+=($!)
  if [ ${#pids[@]} -eq 2 ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[1]}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
