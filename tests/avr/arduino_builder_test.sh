#!/usr/bin/env bash
# Builds the sketch folder as it stands with the Arduino IDE 1.8's command-line builder
# (Debian's arduino-builder) for one board, into a folder of its own, and prints the builder's
# flash and RAM figures. Debian's Arduino core needs DECIMAL_DIG spelled out, as in our own
# build (the IDE from its makers brings a toolchain that defines it).
# Usage: arduino_builder_test.sh FQBN OUT_DIR SKETCH_DIR
set -euo pipefail
fqbn=$1 out=$2 sketch=$3
rm -rf "$out"
mkdir -p "$out"
flags=-DDECIMAL_DIG=__DECIMAL_DIG__
arduino-builder -compile -hardware /usr/share/arduino/hardware -hardware /usr/share/arduino-builder \
  -tools /usr/bin -fqbn "$fqbn" -prefs=compiler.cpp.extra_flags=$flags \
  -prefs=compiler.c.extra_flags=$flags -build-path "$out" "$sketch/$(basename "$sketch").ino"
test -s "$out/$(basename "$sketch").ino.hex"
