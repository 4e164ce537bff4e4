# Sourced by the screenshot scripts, after DISPLAY is set, with work (a temporary folder) and
# kavel_pid (the running program) set by the caller.
#   wait_kavel_window NAME     sets window to Kavel's main window once it is mapped; ends the
#                              script (NAME in its message) when none appears or Kavel ends
#   shoot_window OUTPUT        writes the window's pixels, cut from the whole screen, to OUTPUT
wait_kavel_window() {
  local name=$1
  window=""
  for _ in $(seq 1 600); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Kavel": \("kavel" "Kavel"\)/ {print $1; exit}')
    if [ -n "$window" ] && xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      return
    fi
    kill -0 "$kavel_pid" 2>/dev/null || { echo "$name: kavel ended" >&2; cat "$work/kavel.log" >&2; exit 1; }
    sleep 0.05
  done
  echo "$name: no Kavel window appeared" >&2
  exit 1
}

shoot_window() {
  local info geometry
  info=$(xwininfo -id "$window")
  geometry="$(awk '/Width:/ {print $2}' <<<"$info")x$(awk '/Height:/ {print $2}' <<<"$info")"
  geometry+="+$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")"
  geometry+="+$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")"
  import -window root "$work/root.png"
  convert "$work/root.png" -crop "$geometry" +repage -strip "$1"
}
