#!/usr/bin/env bash
# Fails unless a program imports only DLLs that every Windows has: the statically linked build
# needs no compiler runtime (libstdc++, libgcc, libwinpthread) beside the .exe.
#   system_imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|ole32|oleaut32|shlwapi'
system+='|version|uxtheme|imm32|winmm|msvcrt)\.dll$'
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports read from $2" >&2; exit 1; }
others=$(grep -viE "$system" <<<"$imports" || true)
[ -z "$others" ] || { echo "$2 needs DLLs that are not the system's:" $others >&2; exit 1; }
echo "$2 imports only system DLLs:" $imports
