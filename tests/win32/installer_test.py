#!/usr/bin/env python3
"""The installer under Wine: a silent install puts the program, byte for byte, into Program
Files\\Kavel with a Start Menu shortcut and the Add/Remove Programs entry; the installed program
starts and shows its window; a silent uninstall leaves none of it behind.

    installer_test.py PREFIX WINDOW_QUERY_EXE SETUP_EXE PROGRAM WINDOW_TITLE
"""

import filecmp
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_gui import WineGui, run_under_xvfb  # noqa: E402

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavel"
FOLDER = os.path.join("drive_c", "Program Files", "Kavel")
SHORTCUT = os.path.join("drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu",
                        "Programs", "Kavel.lnk")
INSTALLED = r"C:\Program Files\Kavel"


def main():
    prefix, window_query, setup, program, title = sys.argv[1:6]
    run_under_xvfb()
    gui = WineGui(prefix, window_query)
    folder, shortcut = (os.path.join(gui.prefix, path) for path in (FOLDER, SHORTCUT))
    passed = False
    try:
        assert gui.wine(setup, "/S")[0] == 0
        assert filecmp.cmp(os.path.join(folder, "kavel.exe"), program, shallow=False)
        assert os.path.isfile(shortcut), shortcut
        entry = {name: data for name, (_, data) in gui.reg_query(UNINSTALL_KEY).items()}
        version = os.path.basename(setup)[len("kavel-setup-"):-len(".exe")]
        expected = {"DisplayName": "Kavel", "DisplayVersion": version,
                    "Publisher": "the Kavel developers",
                    "UninstallString": f'"{INSTALLED}\\uninstall.exe"',
                    "DisplayIcon": f"{INSTALLED}\\kavel.exe,0"}
        assert expected.items() <= entry.items(), entry

        gui.start(INSTALLED + r"\kavel.exe")
        gui.wait_client(title)
        gui.stop()

        # The uninstaller copies itself away and returns at once; the server's end is its end.
        assert gui.wine(INSTALLED + r"\uninstall.exe", "/S")[0] == 0
        gui.stop_when_idle()
        left = [path for path in (folder, shortcut) if os.path.exists(path)]
        assert not left, left
        assert gui.reg_query(UNINSTALL_KEY) == {}
        passed = True
        return 0
    finally:
        gui.close(keep_files=not passed)


if __name__ == "__main__":
    sys.exit(main())
