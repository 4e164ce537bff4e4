#!/usr/bin/env bash
# Start-up benchmark: time from launch to the main window's first paint (and the processor time
# the process used until then, which a busy machine disturbs less), and resident memory one
# second later, for Kavel (bench_startup) and a bare Qt main window (bench_bare_window),
# each the median of repeated runs, the two programs taking turns.
#
#   bench/startup/run.sh [build-dir] [runs]      (defaults: build/default, 15)
#
# Runs on a virtual X display (Xvfb) when there is one, else on Qt's offscreen platform, each
# program with its own temporary settings folder; one warm-up run of each first, so the
# measured runs start with a profile like any start after the first.
#
# The processor-time ratio is the primary figure: on a busy machine both programs wait alike
# for the processor, which stretches both wall times and pulls their ratio toward 1. The load
# average from before the runs is printed beside the ratios, with a warning when it is above 1.
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build/default}
runs=${2:-15}
# Above this load average the machine counts as busy.
max_quiet_load=1
script=run.sh
. "$here/bench/startup/setup.sh"

# run_once NAME PROGRAM: one start, its two figures appended to NAME.startup and NAME.rss.
run_once() {
  local name=$1 program=$2 start out
  mkdir -p "$work/config-$name"
  start=${EPOCHREALTIME/./}
  out=$(DISPLAY=$display XDG_CONFIG_HOME=$work/config-$name QT_QPA_PLATFORM=$platform \
        "$program" --launched-at-us="$start" 2>/dev/null)
  sed -n 's/^startup_us=//p' <<<"$out" >>"$work/$name.startup"
  sed -n 's/^cpu_us=//p' <<<"$out" >>"$work/$name.cpu"
  sed -n 's/^rss_kb=//p' <<<"$out" >>"$work/$name.rss"
}

# Taken before the runs, which add their own load.
load=$(cut -d' ' -f1 /proc/loadavg)
# Warm-up: file cache, fonts, the profile's first write.
run_once kavel "$kavel"
run_once bare "$bare"
for name in kavel bare; do : >"$work/$name.startup"; : >"$work/$name.cpu"; : >"$work/$name.rss"; done
for _ in $(seq 1 "$runs"); do
  run_once kavel "$kavel"
  run_once bare "$bare"
done

median() { sort -n "$1" | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
ms() { awk -v v="$1" 'BEGIN{printf "%.1f", v/1000}'; }
report() {
  local name=$1 label=$2
  printf '%s start-up (launch to first paint, %s, %d runs): median %s ms (min %s, max %s)\n' \
    "$label" "$platform" "$runs" "$(ms "$(median "$work/$name.startup")")" \
    "$(ms "$(sort -n "$work/$name.startup" | head -n1)")" \
    "$(ms "$(sort -n "$work/$name.startup" | tail -n1)")"
  printf '%s processor time until first paint: median %s ms\n' "$label" "$(ms "$(median "$work/$name.cpu")")"
  printf '%s resident memory 1 s after first paint: median %.1f MiB\n' \
    "$label" "$(awk -v v="$(median "$work/$name.rss")" 'BEGIN{print v/1024}')"
}
report kavel Kavel
report bare "bare window"
ratio() { awk -v k="$(median "$work/kavel.$1")" -v b="$(median "$work/bare.$1")" 'BEGIN{printf "%.2f", k/b}'; }
printf 'start-up ratio Kavel / bare window: %s by processor time (wall time: %s)\n' \
  "$(ratio cpu)" "$(ratio startup)"
printf 'resident memory ratio Kavel / bare window: %s\n' "$(ratio rss)"
printf 'load average (1 min) before the runs: %s\n' "$load"
if awk -v l="$load" -v max="$max_quiet_load" 'BEGIN{exit !(l > max)}'; then
  printf 'warning: load average %s is above %s: a busy machine flatters the wall-time ratio\n' \
    "$load" "$max_quiet_load"
fi
