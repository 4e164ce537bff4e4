#!/usr/bin/env bash
# Builds the Windows preset with mingw-w64 (the core, the Win32 layer, the Windows-only
# resources, the bare window and the installer) and runs its tests under Wine: headless ones in
# a prefix with the null graphics driver, GUI ones under xvfb-run in a prefix of their own. As
# root on a fresh Debian 12 it first installs what it is missing. Exits non-zero when anything
# fails.
set -euo pipefail
cd "$(dirname "$0")/../.."

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64 python3 nsis
          fonts-wine fonts-liberation2 xvfb xauth xdotool)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ] && [ "$(id -u)" = 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset win32
cmake --build --preset win32 -j2
ctest --preset win32
