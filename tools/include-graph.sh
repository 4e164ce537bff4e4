#!/usr/bin/env bash
# The include graph between the top-level folders: "from -> to (count)" for every quoted
# include that crosses a folder. With --check, fails on any arrow that points back up:
#   platform -> nothing;  core -> platform's interfaces only (platform/*.h);
#   settings -> core, platform, res;  panel -> + settings;  app -> + panel;
#   firmware -> nothing;  tools -> core, platform, firmware;  tests and bench -> anything,
#   and so does tools/stream-recorder, which drives the panel as the tests do.
set -euo pipefail
cd "$(dirname "$0")/.."

edges() {
  find app bench core firmware panel platform res settings tests tools \
       -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.ino' -o -name '*.in' \) | sort |
  while read -r file; do
    from=${file%%/*}
    sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)".*/\1/p' "$file" |
    while read -r inc; do
      to=${inc%%/*}
      [ "$to" = "$inc" ] || [ "$to" = "$from" ] || echo "$from $to $inc $file"
    done
  done
}

allowed() {  # from to include file
  [[ "$4" = tools/stream-recorder/* ]] && return 0
  case "$1" in
    tests|bench) return 0 ;;
    core) [[ "$2" = platform && "$3" =~ ^platform/[^/]+\.h$ ]] ;;
    settings) [[ " core platform res " = *" $2 "* ]] ;;
    panel) [[ " core platform settings res " = *" $2 "* ]] ;;
    app) [[ " core platform settings panel res " = *" $2 "* ]] ;;
    tools) [[ " core platform firmware " = *" $2 "* ]] ;;
    *) return 1 ;;
  esac
}

if [ "${1:-}" = --check ]; then
  bad=0
  while read -r from to inc file; do
    if ! allowed "$from" "$to" "$inc" "$file"; then
      echo "$file includes $inc: $from must not depend on $to" >&2
      bad=1
    fi
  done < <(edges)
  exit "$bad"
fi
edges | awk '{print $1, "->", $2}' | sort | uniq -c | awk '{print $2, $3, $4, "(" $1 ")"}'
