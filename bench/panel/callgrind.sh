#!/bin/sh
# Instructions per full repaint of the panel under callgrind. Two runs differ only in the
# number of repaints; their difference, divided by the extra repaints, leaves out start-up,
# warm-up and shut-down.
# Usage: bench/panel/callgrind.sh [path/to/bench_panel_paint]
set -eu
bin=${1:-build-panel/bench/panel/bench_panel_paint}
few=5
many=25
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

instructions() {
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$dir/out.$1" \
        "$bin" "$1" >/dev/null 2>"$dir/log.$1"
    awk '/^(summary|totals):/ { print $2; exit }' "$dir/out.$1"
}

a=$(instructions $few)
b=$(instructions $many)
echo "instructions_per_repaint $(( (b - a) / (many - few) ))"
