#!/usr/bin/env bash
# The include graph between the top-level folders: "from -> to (count)" for every quoted
# include that crosses a folder. With --check, fails on any arrow that points back up:
#   platform -> nothing;  core -> platform's interfaces only (platform/*.h);
#   dialogs -> core, platform, res;  panel -> + dialogs;  app -> + panel;
#   firmware -> nothing;  tools -> core, platform, firmware;  tests and bench -> anything,
#   and so does tools/stream-recorder, which drives the panel as the tests do.
# Inside app, panel and dialogs the toolkit-free rules sit on top of one front-end per toolkit
# (qt/, win32/): the rules include no front-end, and no front-end includes another's.
set -euo pipefail
cd "$(dirname "$0")/.."

edges() {
  find app bench core dialogs firmware panel platform res tests tools \
       -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.ino' -o -name '*.in' \) | sort |
  while read -r file; do
    from=${file%%/*}
    sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)".*/\1/p' "$file" |
    while read -r inc; do
      to=${inc%%/*}
      if [ "$to" = "$from" ]; then
        # within a folder only the layering of rules and front-ends counts
        if [[ "$inc" =~ /(qt|win32)/ ]]; then echo "$from $to $inc $file"; fi
      elif [ "$to" != "$inc" ]; then
        echo "$from $to $inc $file"
      fi
    done
  done
}

# The front-end a file belongs to (qt or win32), or nothing for toolkit-free code.
toolkit() {
  if [[ "$1" =~ ^(app|panel|dialogs|platform)/(qt|win32)/ ]]; then echo "${BASH_REMATCH[2]}"; fi
}

allowed() {  # from to include file
  [[ "$4" = tools/stream-recorder/* ]] && return 0
  case "$1" in tests|bench) return 0 ;; esac
  local mine theirs
  mine=$(toolkit "$4")
  theirs=$(toolkit "$3")
  if [ -n "$theirs" ] && [ "$theirs" != "$mine" ]; then return 1; fi
  [ "$1" = "$2" ] && return 0
  case "$1" in
    tests|bench) return 0 ;;
    core) [[ "$2" = platform && "$3" =~ ^platform/[^/]+\.h$ ]] ;;
    dialogs) [[ " core platform res " = *" $2 "* ]] ;;
    panel) [[ " core platform dialogs res " = *" $2 "* ]] ;;
    app) [[ " core platform dialogs panel res " = *" $2 "* ]] ;;
    tools) [[ " core platform firmware " = *" $2 "* ]] ;;
    *) return 1 ;;
  esac
}

if [ "${1:-}" = --check ]; then
  bad=0
  while read -r from to inc file; do
    if ! allowed "$from" "$to" "$inc" "$file"; then
      if [ -n "$(toolkit "$inc")" ]; then
        echo "$file includes $inc: only the same toolkit's front-end may include it" >&2
      else
        echo "$file includes $inc: $from must not depend on $to" >&2
      fi
      bad=1
    fi
  done < <(edges)
  exit "$bad"
fi
edges | awk '$1 != $2 {print $1, "->", $2}' | sort | uniq -c | awk '{print $2, $3, $4, "(" $1 ")"}'
