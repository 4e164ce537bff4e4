# Sourced by the start-up benchmarks (run.sh, callgrind.sh) after setting here, build and
# script (the caller's name for messages). Sets kavel and bare (the two programs, which must be
# built), work (a temporary folder, removed on exit with the virtual display) and platform and
# display: a virtual X display (Xvfb) when there is one, else Qt's offscreen platform.
kavel=$build/bench/startup/bench_startup
bare=$build/bench/startup/bench_bare_window
for program in "$kavel" "$bare"; do
  [ -x "$program" ] || { echo "$script: $program not built" >&2; exit 1; }
done

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
