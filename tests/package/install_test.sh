#!/usr/bin/env bash
# Checks the Debian package: unpacks it into a throw-away root (dpkg -x, no privileges needed)
# and checks what was installed there.
#
#   tests/package/install_test.sh path/to/kavel_<version>_amd64.deb desktop-id
#
# Exits 77 (skipped) when the package has not been built (`cpack -G DEB` in the build folder),
# unless KAVEL_REQUIRE_PACKAGE=1 (then 1); 1 when any check failed.
set -euo pipefail

deb=${1:?usage: install_test.sh path/to/package.deb}
desktop_id=${2:?usage: install_test.sh path/to/package.deb desktop-id}
if [ ! -f "$deb" ]; then
  echo "install_test: no package at $deb (run cpack -G DEB in the build folder)"
  [ "${KAVEL_REQUIRE_PACKAGE:-0}" = 1 ] && exit 1
  echo "install_test: skipped"
  exit 77
fi

# How long the installed program must keep running to count as started.
alive_seconds=3

root=$(mktemp -d)
kavel_pid=""
cleanup() {
  [ -n "$kavel_pid" ] && kill "$kavel_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# ---- The package's record ----

name=$(basename "$deb")
version=$(dpkg-deb --field "$deb" Version)
arch=$(dpkg-deb --field "$deb" Architecture)
[ "$name" = "kavel_${version}_${arch}.deb" ] && pass "file name $name" ||
  fail "file name $name is not kavel_${version}_${arch}.deb"
[ "$(dpkg-deb --field "$deb" Package)" = kavel ] && pass "package name" || fail "package name"
for field in Maintainer Section Description; do
  [ -n "$(dpkg-deb --field "$deb" "$field")" ] && pass "$field set" || fail "no $field field"
done

# The dependencies come from the programs' libraries, so the Qt libraries must be among them.
depends=$(dpkg-deb --field "$deb" Depends)
depends_names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6; do
  grep -qxF "$library" <<<"$depends_names" && pass "depends on $library" ||
    fail "Depends lacks $library: $depends"
done

# The computed dependencies can be met from the system's package sources (a dry run).
if command -v apt-get >/dev/null; then
  if apt-get install --simulate --no-install-recommends "$(realpath "$deb")" >"$root/apt.log" 2>&1 &&
     grep -q '^Inst kavel ' "$root/apt.log"; then
    pass "apt-get could install it with its dependencies"
  else
    fail "apt-get cannot install it: $(tail -n 5 "$root/apt.log")"
  fi
fi

# These files and nothing else: no tests, benchmarks or build leftovers.
expected=(
  ./usr/bin/kavel
  ./usr/bin/kavel-board
  "./usr/share/applications/$desktop_id.desktop"
  "./usr/share/metainfo/$desktop_id.metainfo.xml"
  ./usr/share/doc/kavel/copyright
  ./usr/share/doc/kavel/changelog.gz
  ./usr/share/man/man1/kavel.1.gz
  ./usr/share/man/man1/kavel-board.1.gz
  ./usr/share/icons/hicolor/scalable/apps/kavel.svg
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/kavel.png")
done
files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
missing=$(comm -13 <(printf '%s\n' "$files") <(printf '%s\n' "${expected[@]}" | sort))
extra=$(comm -23 <(printf '%s\n' "$files") <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$missing" ] && pass "all ${#expected[@]} files packaged" || fail "missing: $missing"
[ -z "$extra" ] && pass "no other files" || fail "unexpected files: $extra"

# ---- Unpacked into a throw-away root ----

dpkg-deb --extract "$deb" "$root"
bin=$root/usr/bin

for program in kavel kavel-board; do
  if readelf -d "$bin/$program" | grep -Eq 'RUNPATH|RPATH'; then
    fail "$program still carries a library path: $(readelf -d "$bin/$program" | grep -E 'R(UN)?PATH')"
  else
    pass "$program has no build-tree library path"
  fi
done

help=$("$bin/kavel-board" --help) && grep -q '^Usage: kavel-board' <<<"$help" &&
  pass "kavel-board --help" || fail "kavel-board --help"

# What Debian's and the desktops' own checkers say (each must be installed).
check_tool() {  # tool package
  command -v "$1" >/dev/null || { fail "$1 is not installed ($2)"; return 1; }
}
if check_tool desktop-file-validate desktop-file-utils; then
  desktop-file-validate "$root/usr/share/applications/$desktop_id.desktop" &&
    pass "desktop-file-validate accepts the entry" || fail "desktop-file-validate rejects the entry"
fi
if check_tool appstreamcli appstream; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/$desktop_id.metainfo.xml" \
    >"$root/appstream.log" 2>&1 &&
    pass "appstreamcli validate accepts the software-centre entry" ||
    fail "appstreamcli validate: $(cat "$root/appstream.log")"
fi
# lintian: no errors (its warnings are shown).
if check_tool lintian lintian; then
  lintian --tag-display-limit 0 "$deb" >"$root/lintian.log" 2>&1 || true
  # A clean report (or only the note about running as root) leaves nothing to show.
  { grep -v 'running with root privileges' "$root/lintian.log" || true; } | sed 's/^/  lintian: /'
  if grep -q '^E: ' "$root/lintian.log"; then fail "lintian reports errors"; else pass "lintian: no errors"; fi
fi
# The changelog's newest entry is this version.
top=$(gzip -dc "$root/usr/share/doc/kavel/changelog.gz" | head -n 1)
[[ "$top" = "kavel ($version) "* ]] && pass "changelog starts with $version" ||
  fail "changelog's newest entry is not $version: $top"

for page in kavel kavel-board; do
  file=$root/usr/share/man/man1/$page.1.gz
  if gzip -dc "$file" | grep -q "^\.TH $(tr a-z A-Z <<<"$page") 1"; then
    pass "man page $page.1"
  else
    fail "man page $page.1 is not a gzipped page"
  fi
done

# The installed program starts: offscreen, with empty settings, it must still be running after
# a few seconds, and by then it has stored its look in the profile (done once the main window
# has been built).
config=$root/config
mkdir -p "$config"
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$bin/kavel" >"$root/kavel.log" 2>&1 &
kavel_pid=$!
sleep "$alive_seconds"
if kill -0 "$kavel_pid" 2>/dev/null; then
  pass "kavel still running after ${alive_seconds} s"
else
  fail "kavel ended at start-up: $(cat "$root/kavel.log")"
fi
profile="$config/Local AppWizard-Generated Applications/Kavel.conf"
grep -q '^ApplicationLook=210$' "$profile" 2>/dev/null &&
  pass "kavel built its main window (ApplicationLook stored)" ||
  fail "kavel stored no ApplicationLook in $profile"
kill "$kavel_pid" 2>/dev/null || true
wait "$kavel_pid" 2>/dev/null || true
kavel_pid=""

if [ "$failures" -ne 0 ]; then
  echo "install_test: $failures check(s) failed" >&2
  exit 1
fi
echo "install_test: all checks passed"
