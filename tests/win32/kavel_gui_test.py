#!/usr/bin/env python3
"""kavel.exe end to end, as a user runs it under Wine on a virtual display, with kavel-board
on COM5: the title; the Com Settings dialog through Alt+O and its menu mnemonic, a speed
chosen with the keyboard and OK, read back from the registry as REG_SZ texts; the USB symbol
connects; a click on the left time's up arrow sends exactly "l162" twice (the click and the
end of the scroll); Send All the five values; a typed number and Enter; a look chosen from the
View menu is drawn on the toolbar and stored as "ApplicationLook"; File > Exit ends the program.

    kavel_gui_test.py PREFIX WINDOW_QUERY_EXE KAVEL_EXE KAVEL_BOARD [SCREENSHOT.png]

SCREENSHOT, when given, receives the whole window as it first shows (docs/screenshot-windows.png).
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_gui import SCREEN, run_under_xvfb, session, wait_for  # noqa: E402

TITLE = "Kavel"
SETTINGS = r"HKCU\Software\Kavel"
PROFILE = r"HKCU\Software\Local AppWizard-Generated Applications\Kavel"
LEFT_SCROLL, LEFT_EDIT, SEND_ALL, PANEL, TOOLBAR = 101, 104, 108, 59648, 59392
USB_SYMBOL = (75, 445)  # the middle of the picture, in the panel's client area
OFFICE_2007_BLACK, BLACK_TOOLBAR_TOP = 216, (0x8F, 0x8F, 0x8F)
SKIPPED = 77  # ctest's SKIP_RETURN_CODE


def sent(board):
    """The commands the board has received, in order."""
    return re.findall(r"\((\w-?\d+)\)", board.output())


def wait_sent(board, count):
    return wait_for(lambda: len(sent(board)) >= count and sent(board), f"{count} commands")


def main():
    prefix, window_query, kavel, kavel_board = sys.argv[1:5]
    screenshot = sys.argv[5] if len(sys.argv) > 5 else None
    if not os.access(kavel_board, os.X_OK):
        print(f"no kavel-board at {kavel_board} (build the default preset)")
        return SKIPPED
    run_under_xvfb()
    with session(prefix, window_query) as gui:
        for key in (SETTINGS, PROFILE):
            gui.wine("reg", "delete", key, "/f")
        for name, value in (("Port", "COM5"), ("Speed", "9600"), ("Parity", "NONE"),
                            ("StopBits", "1"), ("DataBits", "8")):
            gui.wine("reg", "add", SETTINGS, "/v", name, "/d", value, "/f")
        with gui.board(kavel_board) as board:
            program = gui.start(kavel)
            panel = gui.wait_client(TITLE, PANEL)
            corner = [int(size) - 1 for size in SCREEN.split("x")[:2]]
            gui.xdotool("mousemove", "--sync", *corner)  # out of the picture
            if screenshot:
                gui.screenshot(screenshot, gui.frame(TITLE))

            # Options > Comm settings; the focus starts on OK: Tab to the port, the parity,
            # the speed; from 9600 five steps down is 115200.
            gui.key("alt+o", "c")
            gui.wait_client("Com Settings")
            gui.key("Tab", "Tab", "Tab", *["Down"] * 5, "Return")
            wait_for(lambda: gui.client("Com Settings") is None, "the dialog to close")
            rows = gui.reg_query(SETTINGS)
            assert rows == {name: ("REG_SZ", data) for name, data in (
                ("Port", "Com5"), ("Speed", "115200"), ("Parity", "NONE"), ("StopBits", "1"),
                ("DataBits", "8"))}, rows

            gui.click(panel, *USB_SYMBOL)  # connects; the window waits 4 s
            scroll = gui.wait_client(TITLE, LEFT_SCROLL)
            gui.click(scroll, scroll.width // 2, 5)
            assert wait_sent(board, 2) == ["l162", "l162"], board.output()
            button = gui.wait_client(TITLE, SEND_ALL)
            gui.click(button, button.width // 2, button.height // 2)
            assert wait_sent(board, 7)[2:] == ["l162", "r161", "y131", "m106", "o601"], \
                board.output()
            edit = gui.wait_client(TITLE, LEFT_EDIT)
            gui.click(edit, edit.width // 2, edit.height // 2)
            gui.key("End", "shift+Home")
            gui.type_text("70")
            gui.key("Return")
            assert wait_sent(board, 8)[7:] == ["l170"], board.output()

            # View > Application Look > Office 2007 > Black Style.
            gui.key("alt+v", "a", "7", "l")
            toolbar = gui.wait_client(TITLE, TOOLBAR)
            wait_for(lambda: gui.screenshot(os.path.join(gui.work, "black.png"), toolbar)[0][
                toolbar.width - 5] == BLACK_TOOLBAR_TOP, "the black look on the toolbar")
            assert gui.reg_query(PROFILE)["ApplicationLook"] == (
                "REG_DWORD", hex(OFFICE_2007_BLACK)), gui.reg_query(PROFILE)

            gui.key("alt+f", "x")
            assert program.wait() == 0
            assert len(sent(board)) == 8, board.output()  # nothing more arrived
    return 0


if __name__ == "__main__":
    sys.exit(main())
