#!/usr/bin/env python3
"""Plays the board's end of a serial line for a program running under Wine.

Opens a pseudo-terminal, links the prefix's COM port to its slave side
(PREFIX/dosdevices/comN -> /dev/pts/M), runs the command, and copies every byte that
arrives at the master side into a capture file, which the program under test reads back.
When the program creates the hang-up request file, the master is closed (the board is
unplugged) and the hang-up done file appears. Exits with the command's exit status.
"""

import argparse
import os
import select
import subprocess
import sys
import threading

POLL_SECONDS = 0.05


def relay(master, capture_path, hangup_request, hangup_done, stop):
    with open(capture_path, "ab", buffering=0) as capture:
        while not stop.is_set():
            if master is not None and hangup_request and os.path.exists(hangup_request):
                os.close(master)
                master = None
                open(hangup_done, "w").close()
            if master is None:
                stop.wait(POLL_SECONDS)
                continue
            ready, _, _ = select.select([master], [], [], POLL_SECONDS)
            if ready:
                try:
                    capture.write(os.read(master, 4096))
                except OSError:  # no slave open right now
                    stop.wait(POLL_SECONDS)
    if master is not None:
        os.close(master)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True, help="the Wine prefix")
    parser.add_argument("--port", default="com5")
    parser.add_argument("--work", required=True, help="folder for the capture and control files")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    prefix = args.prefix
    os.makedirs(args.work, exist_ok=True)
    capture = os.path.join(args.work, "capture.bin")
    hangup_request = os.path.join(args.work, "hangup.request")
    hangup_done = os.path.join(args.work, "hangup.done")
    for path in (capture, hangup_request, hangup_done):
        if os.path.exists(path):
            os.remove(path)
    open(capture, "wb").close()

    master, slave = os.openpty()  # the slave stays open here, so the line survives closes
    link = os.path.join(prefix, "dosdevices", args.port)
    os.makedirs(os.path.dirname(link), exist_ok=True)
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(os.ttyname(slave), link)

    stop = threading.Event()
    reader = threading.Thread(target=relay,
                              args=(master, capture, hangup_request, hangup_done, stop))
    reader.start()
    env = dict(os.environ, KAVEL_PTY_WORK=args.work)
    try:
        status = subprocess.call(command, env=env)
    finally:
        stop.set()
        reader.join()
        os.remove(link)
        os.close(slave)
    return status


if __name__ == "__main__":
    sys.exit(main())
