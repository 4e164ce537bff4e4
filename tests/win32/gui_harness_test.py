#!/usr/bin/env python3
"""The GUI harness on the bare window: a click on a scroll bar's up arrow arrives as SB_LINEUP
then SB_ENDSCROLL, typed digits reach the focused edit box, a screenshot of it shows its
selected text in the system's highlight colour on the window colour, and bytes written to COM5
reach kavel-board.

    gui_harness_test.py PREFIX WINDOW_QUERY_EXE BARE_WINDOW_EXE KAVEL_BOARD
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_gui import WineGui, run_under_xvfb, wait_for  # noqa: E402

TITLE = "Bare window"
LEFT_SCROLL, LEFT_EDIT = 101, 104
SB_LINEUP, SB_ENDSCROLL = 0, 8
SKIPPED = 77  # ctest's SKIP_RETURN_CODE


def main():
    prefix, window_query, bare_window, kavel_board = sys.argv[1:5]
    run_under_xvfb()
    gui = WineGui(prefix, window_query)
    passed = False
    try:
        program = gui.start(bare_window)
        scroll = gui.wait_client(TITLE, LEFT_SCROLL)
        gui.click(scroll, scroll.width // 2, 5)
        program.wait_output(f"vscroll {LEFT_SCROLL} {SB_ENDSCROLL}")
        assert program.lines()[-2:] == [f"vscroll {LEFT_SCROLL} {SB_LINEUP}",
                                        f"vscroll {LEFT_SCROLL} {SB_ENDSCROLL}"], program.output()

        edit = gui.wait_client(TITLE, LEFT_EDIT)
        gui.click(edit, edit.width - 3, edit.height // 2)
        gui.key("End")
        gui.type_text("7")
        wait_for(lambda: gui.text(TITLE, LEFT_EDIT) == "617", "the typed digit")

        gui.key("shift+Home")
        colours = gui.reg_query(r"HKCU\Control Panel\Colors")
        window, highlight = (tuple(map(int, colours[name][1].split()))
                             for name in ("Window", "Hilight"))
        path = os.path.join(gui.work, "edit.png")
        shot = wait_for(lambda: (lambda pixels: highlight in {p for row in pixels for p in row}
                                 and pixels)(gui.screenshot(path, edit)),
                        "the selection in the screenshot")
        assert shot[2][2] == window, (shot[2][2], window)  # inside the edit's own border

        if not os.access(kavel_board, os.X_OK):
            print(f"no kavel-board at {kavel_board}: COM5 not tried (build the default preset)")
            passed = True
            return SKIPPED
        with gui.board(kavel_board) as board:
            gui.wine("cmd", "/c", "echo l162>COM5")
            board.wait_output("(l162)")
        passed = True
        return 0
    finally:
        gui.close(keep_files=not passed)
        if not passed:
            print(f"outputs and screenshots kept in {gui.work}")


if __name__ == "__main__":
    sys.exit(main())
