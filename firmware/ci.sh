#!/usr/bin/env bash
# CI for the board's sketch: on a fresh Debian 12 (as root) installs what it needs, builds the
# sketch (kavel-drive.hex), the simulated board and their tests, and runs them with ctest:
# the sketch's logic on the host, the .hex on a simulated ATmega328P, and the real panel
# against the simulated board on a pseudo-terminal.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev libgl-dev libx11-dev
          fonts-liberation2 libgtest-dev gcc-avr avr-libc arduino-core-avr libsimavr-dev
          libelf-dev)
if [ "$(id -u)" = 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${packages[@]}"
fi

build=build/avr
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVEL_BUILD_FIRMWARE=ON
cmake --build "$build" -j2 --target kavel-drive kavel-avr-board avr_logic_tests avr_sim_tests \
  avr_e2e_tests bench_avr_reaction
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -R '^avr\.' --output-on-failure
