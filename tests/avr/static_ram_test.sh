#!/usr/bin/env bash
# The sketch's static RAM (.data, .bss and .noinit: its own objects and the Arduino core's, the
# Serial object with its two 64-byte buffers among them) must stay within LIMIT bytes; the
# rest of the Uno's 2048 bytes is the stack's.
# Usage: static_ram_test.sh AVR_SIZE ELF LIMIT
set -euo pipefail
avr_size=$1 elf=$2 limit=$3
used=$("$avr_size" -A "$elf" |
  awk '$1 == ".data" || $1 == ".bss" || $1 == ".noinit" { sum += $2 } END { print sum + 0 }')
echo "static RAM: $used bytes, limit $limit"
[ "$used" -le "$limit" ]
