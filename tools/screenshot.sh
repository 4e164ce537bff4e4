#!/usr/bin/env bash
# Takes a screenshot of Kavel's main window on a virtual X display and writes it to
# docs/screenshot.png (or the file given as the second argument).
#
#   tools/screenshot.sh [path/to/kavel] [output.png]
#
# Needs Xvfb, xwininfo and ImageMagick (import, convert). The program runs with a temporary
# settings folder, so it shows its first-start look and never touches the user's settings.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
kavel=${1:-$here/build/default/app/kavel}
output=${2:-$here/docs/screenshot.png}
screen_size=1280x1024x24

for tool in Xvfb xwininfo import convert; do
  command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done
[ -x "$kavel" ] || { echo "screenshot: no program at $kavel (build it first)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
kavel_pid=""
cleanup() {
  [ -n "$kavel_pid" ] && kill "$kavel_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

. "$here/tools/xvfb.sh"
start_xvfb "$work" "$screen_size"
[ -n "$display" ] || { echo "screenshot: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

export DISPLAY=$display
. "$here/tools/kavel-window.sh"

mkdir -p "$work/config"
XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb "$kavel" >"$work/kavel.log" 2>&1 &
kavel_pid=$!

# Wait for the main window to be mapped, then give it a moment to paint.
wait_kavel_window screenshot
sleep 1

mkdir -p "$(dirname "$output")"
shoot_window "$output"
echo "screenshot: window written to $output"
