#!/usr/bin/env bash
# Start-up benchmark: time from process start to the main window's first paint, and resident
# memory one second later, each the median of repeated runs.
#
#   bench/startup/run.sh [build-dir] [runs]      (defaults: build/default, 15)
#
# Runs on a virtual X display (Xvfb) when there is one, else on Qt's offscreen platform, with a
# temporary settings folder; one warm-up run first, so the measured runs start with a profile
# like any start after the first.
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build/default}
runs=${2:-15}
bench=$build/bench/startup/bench_startup
[ -x "$bench" ] || { echo "run.sh: $bench not built" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

platform=offscreen
display=""
if command -v Xvfb >/dev/null; then
  . "$here/tools/xvfb.sh"
  start_xvfb "$work" 1280x1024x24
  [ -n "$display" ] && platform=xcb
fi

mkdir -p "$work/config"
run_once() {
  local start=${EPOCHREALTIME/./}
  DISPLAY=$display XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=$platform \
    "$bench" --launched-at-us="$start" 2>/dev/null
}

run_once >/dev/null  # warm-up: file cache, fonts, the profile's first write
: >"$work/startup"
: >"$work/rss"
for _ in $(seq 1 "$runs"); do
  out=$(run_once)
  sed -n 's/^startup_us=//p' <<<"$out" >>"$work/startup"
  sed -n 's/^rss_kb=//p' <<<"$out" >>"$work/rss"
done

median() { sort -n "$1" | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
startup=$(median "$work/startup")
rss=$(median "$work/rss")
low=$(sort -n "$work/startup" | head -n1)
high=$(sort -n "$work/startup" | tail -n1)
printf 'start-up (process start to first paint, %s, %d runs): median %.1f ms (min %.1f, max %.1f)\n' \
  "$platform" "$runs" "$(awk -v v="$startup" 'BEGIN{print v/1000}')" \
  "$(awk -v v="$low" 'BEGIN{print v/1000}')" "$(awk -v v="$high" 'BEGIN{print v/1000}')"
printf 'resident memory 1 s after first paint: median %.1f MiB (%s kB)\n' \
  "$(awk -v v="$rss" 'BEGIN{print v/1024}')" "$rss"
