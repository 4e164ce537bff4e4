#!/usr/bin/env bash
# CI: builds the Debian package from the default preset and runs its install test.
#
#   tests/package/ci.sh     (from anywhere; as root on a fresh Debian 12 it installs what it
#                            needs first; KAVEL_JOBS sets the build's parallel jobs, default 2)
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    g++ cmake ninja-build qt6-base-dev qt6-serialport-dev libgl-dev libx11-dev \
    fonts-liberation2 libgtest-dev dpkg-dev file desktop-file-utils
fi

cmake --preset default
cmake --build --preset default -j "${KAVEL_JOBS:-2}"
(cd build/default && cpack -G DEB)
KAVEL_REQUIRE_PACKAGE=1 ctest --preset default -L package
