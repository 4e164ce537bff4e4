#!/usr/bin/env bash
# Instructions from the launch to the first painted frame under callgrind, for Kavel
# (bench_startup) and the bare Qt window (bench_bare_window), and their ratio. Unlike times,
# instruction counts hardly move with the machine's load. Each program runs once outside
# callgrind first (its profile's first write), then once under it on a virtual X display; the
# count stops where the first paint is reported.
#
#   bench/startup/callgrind.sh [build-dir] [keep-dir]     (default: build/default)
#
# With a keep-dir, the callgrind files stay there (kavel.out, bare.out) for callgrind_annotate.
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build/default}
keep=${2:-}
script=callgrind.sh
. "$here/bench/startup/setup.sh"

# instructions NAME PROGRAM: the count up to the first paint (callgrind dumps it on entering
# the probe's first-paint call).
instructions() {
  local name=$1 program=$2
  mkdir -p "$work/config-$name"
  export DISPLAY=$display XDG_CONFIG_HOME=$work/config-$name QT_QPA_PLATFORM=$platform
  "$program" >/dev/null 2>&1
  valgrind --tool=callgrind --dump-before='StartupProbe::OnFirstPaint*' \
    --callgrind-out-file="$work/$name.out" "$program" >/dev/null 2>"$work/$name.log"
  [ -n "$keep" ] && mkdir -p "$keep" && cp "$work/$name.out.1" "$keep/$name.out"
  awk '/^(summary|totals):/ { print $2; exit }' "$work/$name.out.1"
}

k=$(instructions kavel "$kavel")
b=$(instructions bare "$bare")
echo "kavel_startup_instructions $k"
echo "bare_startup_instructions $b"
echo "startup_instructions_ratio $(awk -v k="$k" -v b="$b" 'BEGIN{printf "%.3f", k/b}') ($platform)"
