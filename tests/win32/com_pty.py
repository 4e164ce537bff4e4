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


class PtyLink:
    """A pseudo-terminal whose slave side is the prefix's COM port, relayed into a capture file
    for as long as the link lives (use it with `with`)."""

    def __init__(self, prefix, port, work):
        os.makedirs(work, exist_ok=True)
        self.capture = os.path.join(work, "capture.bin")
        self.hangup_request = os.path.join(work, "hangup.request")
        self.hangup_done = os.path.join(work, "hangup.done")
        for path in (self.capture, self.hangup_request, self.hangup_done):
            if os.path.exists(path):
                os.remove(path)
        open(self.capture, "wb").close()
        self.link = os.path.join(prefix, "dosdevices", port)
        self.stop = threading.Event()

    def __enter__(self):
        master, self.slave = os.openpty()  # the slave stays open here: the line survives closes
        os.makedirs(os.path.dirname(self.link), exist_ok=True)
        if os.path.lexists(self.link):
            os.remove(self.link)
        os.symlink(os.ttyname(self.slave), self.link)
        self.reader = threading.Thread(target=relay, args=(
            master, self.capture, self.hangup_request, self.hangup_done, self.stop))
        self.reader.start()
        return self

    def __exit__(self, *exc):
        self.stop.set()
        self.reader.join()
        os.remove(self.link)
        os.close(self.slave)

    def captured(self):
        with open(self.capture, "rb") as capture:
            return capture.read()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True, help="the Wine prefix")
    parser.add_argument("--port", default="com5")
    parser.add_argument("--work", required=True, help="folder for the capture and control files")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    with PtyLink(args.prefix, args.port, args.work):
        return subprocess.call(command, env=dict(os.environ, KAVEL_PTY_WORK=args.work))


if __name__ == "__main__":
    sys.exit(main())
