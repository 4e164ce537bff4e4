#!/usr/bin/env python3
"""Start-up of two Windows programs under the same Wine and virtual display (Xvfb), each built
with the start-up probe (first_paint_probe.h): started in turn, from the launch to the first
painted frame. Prints each one's median (and processor time), their ratio, the machine's load
and each program's stripped size.

    bench/win32/run.py [PROGRAM [REFERENCE [RUNS]]]

PROGRAM defaults to Kavel's bench build (build/win32/bench/win32/bench_kavel_win32.exe),
REFERENCE to the bare window
(build/win32/bench/win32/bench_bare_window_win32.exe); RUNS to 15. Build them first with
`cmake --preset win32 && cmake --build --preset win32`. They run in the GUI tests' prefix,
build/win32/wine-prefix-gui (made on first use), with one wineserver for every run.
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "win32"))
from wine_gui import WineGui, run_under_xvfb  # noqa: E402

BUILD = os.path.join(ROOT, "build", "win32")
BENCH = os.path.join(BUILD, "bench", "win32")
LOAD_WARNING = 1.0


def start_once(gui, exe):
    """One start: (start-up, processor time) in microseconds."""
    with tempfile.TemporaryFile() as out:
        launched = time.time_ns() // 1000
        subprocess.run(["wine", exe], env=gui.env, stdin=subprocess.DEVNULL, stdout=out,
                       stderr=subprocess.DEVNULL, check=True)
        out.seek(0)
        report = dict(line.split("=", 1) for line in out.read().decode().split() if "=" in line)
    if "first_paint_unix_us" not in report:
        sys.exit(f"run.py: {exe} did not report its first paint")
    return int(report["first_paint_unix_us"]) - launched, int(report["cpu_us"])


def stripped_kib(exe):
    with tempfile.TemporaryDirectory() as work:
        stripped = os.path.join(work, "stripped.exe")
        subprocess.run(["x86_64-w64-mingw32-strip", "-o", stripped, exe], check=True)
        return os.path.getsize(stripped) / 1024


def main():
    args = sys.argv[1:] + [""] * 3  # an empty argument takes the default
    kavel = os.path.join(BENCH, "bench_kavel_win32.exe")
    bare = os.path.join(BENCH, "bench_bare_window_win32.exe")
    program = args[0] or kavel
    reference = args[1] or bare
    runs = int(args[2] or 15)
    for exe in (program, reference):
        if not os.path.isfile(exe):
            sys.exit(f"run.py: {exe} not built")
    run_under_xvfb()
    gui = WineGui(os.path.join(BUILD, "wine-prefix-gui"), None)
    subprocess.run(["wineserver", "-p"], env=gui.env, check=True)
    try:
        # One start of each first: the server's helper processes, the file cache, the fonts.
        programs = {"program": program, "reference": reference}
        for exe in programs.values():
            start_once(gui, exe)
        times = {role: [] for role in programs}
        for _ in range(runs):
            for role, exe in programs.items():  # taking turns
                times[role].append(start_once(gui, exe))
    finally:
        gui.close()

    medians = {}
    for role, exe in programs.items():
        startup = [t[0] / 1000 for t in times[role]]
        medians[role] = (statistics.median(startup),
                         statistics.median(t[1] / 1000 for t in times[role]))
        print(f"{role} {os.path.basename(exe)} (stripped {stripped_kib(exe):.1f} KiB): start-up "
              f"to first painted frame, median {medians[role][0]:.1f} ms (min {min(startup):.1f},"
              f" max {max(startup):.1f}, {runs} runs); processor time {medians[role][1]:.1f} ms")
    ratio = [p / r for p, r in zip(medians["program"], medians["reference"])]
    print(f"start-up ratio program / reference: {ratio[0]:.2f} (processor time: {ratio[1]:.2f})")
    load = os.getloadavg()[0]
    print(f"load average (1 min): {load:.2f}")
    if load > LOAD_WARNING:
        print("warning: load above 1: other work slows both programs; compare the ratio, "
              "not the times")


if __name__ == "__main__":
    main()
