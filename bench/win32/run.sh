#!/usr/bin/env bash
# Start-up of two Windows programs under the same Wine and virtual display (Xvfb), each built
# with the start-up probe (first_paint_probe.h): started in turn, from the launch to the first
# painted frame. Prints each one's median (and processor time), their ratio, the machine's load
# and each program's stripped size.
#
#   bench/win32/run.sh [PROGRAM [REFERENCE [RUNS]]]
#
# PROGRAM defaults to Kavel's bench build (build/win32/bench/win32/bench_kavel_win32.exe) and,
# until that exists, to the bare window; REFERENCE to the bare window
# (build/win32/bench/win32/bench_bare_window_win32.exe); RUNS to 15. Build them first with
# `cmake --preset win32 && cmake --build --preset win32`. The prefix is build/win32/wine-prefix-gui
# (made on first use, as the GUI tests make it); one wineserver serves every run.
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
bench=$here/build/win32/bench/win32
program=${1:-$bench/bench_kavel_win32.exe}
[ -n "${1:-}" ] || [ -f "$program" ] || program=$bench/bench_bare_window_win32.exe
reference=${2:-$bench/bench_bare_window_win32.exe}
runs=${3:-15}
for exe in "$program" "$reference"; do
  [ -f "$exe" ] || { echo "run.sh: $exe not built" >&2; exit 1; }
done

export WINEPREFIX=$here/build/win32/wine-prefix-gui WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
if [ -z "${KAVEL_BENCH_DISPLAY:-}" ]; then
  python3 "$here/tests/win32/wine_gui.py" prepare "$WINEPREFIX"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env KAVEL_BENCH_DISPLAY=1 bash "$0" "$program" \
    "$reference" "$runs"
fi

work=$(mktemp -d)
trap 'wineserver -k; wineserver -w; rm -rf "$work"' EXIT
wineserver -p

# run_once NAME EXE: one start; appends its start-up and processor time to NAME.startup, NAME.cpu.
run_once() {
  local name=$1 exe=$2 start
  start=${EPOCHREALTIME/./}
  wine "$exe" >"$work/out" 2>/dev/null </dev/null
  tr -d '\r' <"$work/out" >"$work/$name.out"
  awk -F= -v start="$start" '$1 == "first_paint_unix_us" {print $2 - start}' "$work/$name.out" \
    >>"$work/$name.startup"
  sed -n 's/^cpu_us=//p' "$work/$name.out" >>"$work/$name.cpu"
}

# One start of each first: the server's helper processes, the file cache, the fonts.
run_once program "$program"
run_once reference "$reference"
: >"$work/program.startup"; : >"$work/program.cpu"; : >"$work/reference.startup"; : >"$work/reference.cpu"
for _ in $(seq 1 "$runs"); do
  run_once program "$program"
  run_once reference "$reference"
done

median() { sort -n "$1" | awk '{v[NR]=$1} END {print NR % 2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
ms() { awk -v v="$1" 'BEGIN {printf "%.1f", v / 1000}'; }
stripped_kib() {
  x86_64-w64-mingw32-strip -o "$work/stripped.exe" "$1"
  awk -v b="$(stat -c %s "$work/stripped.exe")" 'BEGIN {printf "%.1f KiB", b / 1024}'
}
for name in program reference; do
  exe=$program; [ "$name" = program ] || exe=$reference
  [ "$(wc -l <"$work/$name.startup")" = "$runs" ] || { echo "run.sh: $exe did not report" >&2; exit 1; }
  printf '%s %s (stripped %s): start-up to first painted frame, median %s ms (min %s, max %s, %d runs); processor time %s ms\n' \
    "$name" "$(basename "$exe")" "$(stripped_kib "$exe")" "$(ms "$(median "$work/$name.startup")")" \
    "$(ms "$(sort -n "$work/$name.startup" | head -n1)")" "$(ms "$(sort -n "$work/$name.startup" | tail -n1)")" \
    "$runs" "$(ms "$(median "$work/$name.cpu")")"
done
ratio() { awk -v p="$(median "$work/program.$1")" -v r="$(median "$work/reference.$1")" 'BEGIN {printf "%.2f", p / r}'; }
printf 'start-up ratio program / reference: %s (processor time: %s)\n' "$(ratio startup)" "$(ratio cpu)"
load=$(cut -d' ' -f1 /proc/loadavg)
printf 'load average (1 min): %s\n' "$load"
if awk -v l="$load" 'BEGIN {exit !(l > 1)}'; then
  echo "warning: load above 1: other work slows both programs; compare the ratio, not the times"
fi
