#!/usr/bin/env python3
"""Drives Windows programs under Wine on a virtual X display: the harness of the GUI tests.

A test script calls run_under_xvfb() first (it runs itself again under `xvfb-run -a`, with the
screen's frame buffer in a file), then:

    gui = WineGui(prefix, window_query_exe)    # the prefix is made on first use
    program = gui.start(exe)                     # program.output(): its text, CRs stripped
    area = gui.wait_client("Kavel", 101)         # a window's client area on the screen
    gui.frame("Kavel")                           # the whole window, caption included
    gui.click(area, 25, 8)                       # xdotool, at client coordinates
    gui.type_text("62"); gui.key("Return")
    gui.text("Kavel", 104)                       # a control's text
    gui.screenshot(path, area)                   # PNG of a part of the screen (the mouse
                                                 # pointer shows where it was moved last)
    gui.reg_query(r"HKCU\\Software\\Kavel")       # {name: (type, data)}
    with gui.board(kavel_board) as board: ...    # kavel-board on COM5; board.lines()
    with gui.pty("com5", work) as line: ...      # or a plain pty: line.captured()
    gui.stop()                                   # ends every Wine process of this prefix
    gui.stop_when_idle()                         # waits until they have ended by themselves
    gui.close()                                  # stop() and remove the driver's files

or, closing it at the end and keeping its files when the body fails:

    with session(prefix, window_query_exe) as gui: ...

The prefix is Wine's default X11 driver with `Managed` = N (no window manager: Wine draws the
frames itself, and hiding or destroying a window does not stall), Wine's Marlett and Tahoma
fonts copied in, so dialog sizes do not depend on the machine's fonts, and Arial replaced by
Liberation Sans, its metric twin, as Windows would draw it. Every wait has a
deadline that only a hang reaches.
"""

import fcntl
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib
from contextlib import contextmanager
from dataclasses import dataclass

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from com_pty import PtyLink  # noqa: E402

SCREEN = "1280x1024x24"
FONTS = ("marlett.ttf", "tahoma.ttf", "tahomabd.ttf")
WINE_FONTS = "/usr/share/wine/fonts"
DEADLINE_SECONDS = 30
POLL_SECONDS = 0.1
FRAME_BUFFER = "KAVEL_XVFB_FRAME_BUFFER"  # the folder of Xvfb's frame buffer file


def run_under_xvfb():
    """Runs this script again under `xvfb-run -a` unless it already runs there."""
    if os.environ.get(FRAME_BUFFER):
        return
    frame_buffer = tempfile.mkdtemp(prefix="kavel-xvfb-")
    try:
        status = subprocess.call(
            ["xvfb-run", "-a", "-s", f"-screen 0 {SCREEN} -fbdir {frame_buffer}",
             sys.executable] + sys.argv, env=dict(os.environ, **{FRAME_BUFFER: frame_buffer}))
    finally:
        shutil.rmtree(frame_buffer, ignore_errors=True)
    sys.exit(status)


def wait_for(check, what):
    """check() until it returns something other than None or False; fails at the deadline."""
    deadline = time.monotonic() + DEADLINE_SECONDS
    while True:
        result = check()
        if result is not None and result is not False:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError(f"waited {DEADLINE_SECONDS} s for {what}")
        time.sleep(POLL_SECONDS)


@dataclass
class Area:
    """A rectangle on the screen: a window's client area."""
    x: int
    y: int
    width: int
    height: int


class Program:
    """A program started under Wine; its output goes to a file (Wine's helper processes would
    keep a pipe open after the program ended)."""

    def __init__(self, command, env, work):
        self.log = tempfile.NamedTemporaryFile(dir=work, prefix="output-", delete=False)
        self.process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                        stdout=self.log, stderr=subprocess.STDOUT)

    def output(self):
        with open(self.log.name, "rb") as log:
            return log.read().decode(errors="replace").replace("\r", "")

    def lines(self):
        return self.output().splitlines()

    def wait_output(self, text):
        return wait_for(lambda: text in self.output(), f"{text!r} in the output")

    def wait(self):
        return self.process.wait(timeout=DEADLINE_SECONDS)


class WineGui:
    def __init__(self, prefix, window_query):
        self.prefix = os.path.abspath(prefix)
        self.window_query = window_query
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        self.work = tempfile.mkdtemp(prefix="kavel-wine-gui-")
        self._prepare()

    def _prepare(self):
        ready = os.path.join(self.prefix, ".kavel-gui-ready")
        os.makedirs(self.prefix, exist_ok=True)
        with open(self.prefix + ".lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            if os.path.exists(ready):
                return
            self.wine("wineboot", "--init")
            self.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                      "/d", "N", "/f")
            # Windows has Arial; Wine draws it with its metric twin from fonts-liberation2.
            self.wine("reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v", "Arial",
                      "/d", "Liberation Sans", "/f")
            fonts = os.path.join(self.prefix, "drive_c", "windows", "Fonts")
            for font in FONTS:
                shutil.copy(os.path.join(WINE_FONTS, font), fonts)
            self.stop()
            open(ready, "w").close()

    def wine(self, *command):
        """Runs a Windows program to its end; its output, CRs stripped."""
        with tempfile.TemporaryFile(dir=self.work) as out:
            status = subprocess.call(["wine"] + list(command), env=self.env,
                                     stdin=subprocess.DEVNULL, stdout=out,
                                     stderr=subprocess.DEVNULL, timeout=DEADLINE_SECONDS * 4)
            out.seek(0)
            return status, out.read().decode(errors="replace").replace("\r", "")

    def start(self, exe, *args):
        return Program(["wine", exe] + list(args), self.env, self.work)

    def stop(self):
        """Ends every Wine process of this prefix and its wineserver."""
        subprocess.call(["wineserver", "-k"], env=self.env)
        subprocess.call(["wineserver", "-w"], env=self.env)

    def stop_when_idle(self):
        """Waits until every Wine process of this prefix has ended by itself."""
        subprocess.call(["wineserver", "-w"], env=self.env, timeout=DEADLINE_SECONDS * 4)

    def close(self, keep_files=False):
        """Stops the prefix and removes the driver's files (outputs, screenshots) unless kept."""
        self.stop()
        if not keep_files:
            shutil.rmtree(self.work, ignore_errors=True)

    def client(self, title, control_id=None):
        """The client area of the window or of its control, or None while there is none."""
        status, out = self.wine(self.window_query, "client", title,
                                *([str(control_id)] if control_id is not None else []))
        return Area(*map(int, out.split())) if status == 0 else None

    def frame(self, title):
        """The whole window, frame and caption included, or None while there is none."""
        status, out = self.wine(self.window_query, "frame", title)
        return Area(*map(int, out.split())) if status == 0 else None

    def wait_client(self, title, control_id=None):
        return wait_for(lambda: self.client(title, control_id), f"window {title!r} {control_id}")

    def text(self, title, control_id):
        status, out = self.wine(self.window_query, "text", title, str(control_id))
        return out.rstrip("\n") if status == 0 else None

    def xdotool(self, *args):
        subprocess.check_call(["xdotool"] + [str(a) for a in args], env=self.env)

    def click(self, area, x, y, button=1):
        """Clicks at client coordinates of the area (button 3: right, 8 and 9: side buttons)."""
        self.xdotool("mousemove", "--sync", area.x + x, area.y + y, "click", button)

    def type_text(self, text):
        self.xdotool("type", "--delay", 50, text)

    def key(self, *keys):
        self.xdotool("key", "--delay", 50, *keys)

    def reg_query(self, key):
        """The values of a registry key as {name: (type, data)}; empty when it is missing."""
        values = {}
        for line in self.wine("reg", "query", key)[1].splitlines():
            # "    Port    REG_SZ    Com3": four blanks between the columns.
            columns = line[4:].split("    ") if line.startswith("    ") else []
            if len(columns) >= 2 and columns[1].startswith("REG_"):
                values[columns[0]] = (columns[1], columns[2] if len(columns) > 2 else "")
        return values

    def screenshot(self, path, area):
        """Writes the area of the screen as a PNG; returns its pixels as rows of (r, g, b)."""
        rows = read_frame_buffer(os.environ[FRAME_BUFFER])
        part = [row[area.x:area.x + area.width] for row in rows[area.y:area.y + area.height]]
        write_png(path, part)
        return part

    @contextmanager
    def pty(self, port, work):
        """A pseudo-terminal on the prefix's port; the context's captured() is what arrived."""
        with PtyLink(self.prefix, port, work) as link:
            yield link

    @contextmanager
    def board(self, kavel_board, port="com5"):
        """kavel-board on the prefix's port; the context's lines() is what it printed."""
        link = os.path.join(self.work, "board")
        board = Program([kavel_board, "--link", link], os.environ, self.work)
        dos_device = os.path.join(self.prefix, "dosdevices", port)
        try:
            wait_for(lambda: os.path.exists(link), "kavel-board's pseudo-terminal")
            if os.path.lexists(dos_device):
                os.remove(dos_device)
            os.symlink(link, dos_device)
            yield board
        finally:
            board.process.terminate()
            board.process.wait()
            if os.path.lexists(dos_device):
                os.remove(dos_device)


@contextmanager
def session(prefix, window_query):
    """A WineGui for the body of a with statement, closed after it; when the body fails, its
    outputs and screenshots are kept and named."""
    gui = WineGui(prefix, window_query)
    try:
        yield gui
    except BaseException:
        gui.close(keep_files=True)
        print(f"outputs and screenshots kept in {gui.work}")
        raise
    gui.close()


def read_frame_buffer(folder):
    """Xvfb's screen 0 (an XWD file, 32 bits a pixel) as rows of (r, g, b)."""
    with open(os.path.join(folder, "Xvfb_screen0"), "rb") as screen:
        data = screen.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height, bits, line = fields[0], fields[4], fields[5], fields[11], fields[12]
    if bits != 32 or fields[7] != 0:  # LSBFirst: blue, green, red, unused
        raise ValueError("expected a 32-bit LSB-first frame buffer")
    pixels = header_size + 12 * fields[19]  # after the header and the colour map
    return [[(data[p + 2], data[p + 1], data[p]) for p in range(start, start + 4 * width, 4)]
            for start in range(pixels, pixels + line * height, line)]


def write_png(path, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body)))
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" +
                  chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))

