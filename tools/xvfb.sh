# Sourced by scripts that need a virtual X display.
#   start_xvfb WORKDIR SIZE    starts Xvfb on a free display; sets xvfb_pid and display
#                              (display stays empty when Xvfb did not come up)
start_xvfb() {
  local work=$1 size=$2
  # Xvfb picks a free display number and reports it on the file descriptor given.
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
  done
  exec 3>&-
  display=""
  if [ -s "$work/display" ]; then display=":$(head -n1 "$work/display")"; fi
}
