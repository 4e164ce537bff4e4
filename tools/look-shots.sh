#!/usr/bin/env bash
# Screenshots of Kavel in every application look, to check that a change leaves the pixels
# alone: for each look the main window, and the whole screen with the View menu, the toolbar's
# customise menu (its "Add or Remove Buttons" submenu open) and the bars' context menu open.
#
#   tools/look-shots.sh [path/to/kavel] [output-dir]     (defaults: build/default/app/kavel, .)
#
# Writes look-<id>.png, look-<id>-view.png, look-<id>-customize.png and look-<id>-bars.png;
# compare two sets with `compare -metric AE a.png b.png null:` (0: identical). Needs Xvfb,
# xwininfo, xdotool and ImageMagick.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
kavel=${1:-$here/build/default/app/kavel}
out=${2:-.}
# The look command ids (res/resource_ids.h).
looks=(205 206 207 208 209 210 215 216 217 218 219)
# Where the menus are opened, in window coordinates of the first-start layout.
view_menu=(117 10)
customize_button=(137 37)
add_remove_item=(180 60)
bar_area=(400 37)

for tool in Xvfb xwininfo xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "look-shots: $tool is missing" >&2; exit 1; }
done
[ -x "$kavel" ] || { echo "look-shots: no program at $kavel" >&2; exit 1; }
mkdir -p "$out"

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
start_xvfb "$work" 1280x1024x24
[ -n "$display" ] || { echo "look-shots: Xvfb did not start" >&2; exit 1; }
export DISPLAY=$display

. "$here/tools/kavel-window.sh"

# click X Y [BUTTON]: a click at window coordinates, then time for the menu to show.
click() {
  xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"
  sleep 0.7
}

# screen NAME: the whole screen, menus and mouse pointer included.
screen() { import -window root "$work/root.png" && convert "$work/root.png" -strip "$out/$1"; }

for look in "${looks[@]}"; do
  rm -rf "$work/config"
  mkdir -p "$work/config/Local AppWizard-Generated Applications"
  printf '[General]\nApplicationLook=%s\n' "$look" \
    >"$work/config/Local AppWizard-Generated Applications/Kavel.conf"
  XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb "$kavel" >"$work/kavel.log" 2>&1 &
  kavel_pid=$!
  wait_kavel_window look-shots
  sleep 1
  shoot_window "$out/look-$look.png"

  click "${view_menu[@]}"
  screen "look-$look-view.png"
  xdotool key Escape; sleep 0.3
  click "${customize_button[@]}"
  xdotool mousemove --window "$window" "${add_remove_item[@]}"; sleep 0.7
  screen "look-$look-customize.png"
  xdotool key Escape key Escape; sleep 0.3
  click "${bar_area[@]}" 3
  screen "look-$look-bars.png"
  xdotool key Escape; sleep 0.3

  kill "$kavel_pid" 2>/dev/null || true
  wait "$kavel_pid" 2>/dev/null || true
  kavel_pid=""
done
echo "look-shots: ${#looks[@]} looks written to $out"
