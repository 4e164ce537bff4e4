#!/bin/sh
# Instructions per full repaint of the panel under callgrind. Two runs differ only in the
# number of repaints; their difference, divided by the extra repaints, leaves out start-up,
# warm-up and shut-down. When bench_panel_floor sits beside the panel's benchmark, its floor
# (the same controls on a plain widget) is measured the same way, with the panel's ratio to it.
# Usage: bench/panel/callgrind.sh [path/to/bench_panel_paint]
set -eu
bin=${1:-build/default/bench/panel/bench_panel_paint}
floor=$(dirname "$bin")/bench_panel_floor
few=5
many=25
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

instructions() {
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$dir/out.$2" \
        "$1" "$2" >/dev/null 2>"$dir/log.$2"
    awk '/^(summary|totals):/ { print $2; exit }' "$dir/out.$2"
}

# per_repaint PROGRAM: the instructions one repaint adds.
per_repaint() {
    a=$(instructions "$1" $few)
    b=$(instructions "$1" $many)
    echo $(( (b - a) / (many - few) ))
}

panel=$(per_repaint "$bin")
echo "instructions_per_repaint $panel"
if [ -x "$floor" ]; then
    base=$(per_repaint "$floor")
    echo "floor_instructions_per_repaint $base"
    echo "repaint_floor_ratio $(awk -v p="$panel" -v f="$base" 'BEGIN{printf "%.2f", p/f}')"
fi
