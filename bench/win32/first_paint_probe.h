#pragma once
// Start-up benchmark probe for a Windows program: linking first_paint_probe.cpp into a program
// (kavel_add_win32_bench does) makes it report how long it took to its first painted frame and
// end. Nothing in the program changes: at start-up the probe watches the thread's window
// creation, subclasses the first top-level window with a caption (the main frame), and once that
// frame is shown and the message loop runs, paints every window still waiting for its first
// paint (RedrawWindow with RDW_UPDATENOW | RDW_ALLCHILDREN), then prints
//   first_paint_unix_us=<wall clock, microseconds since 1970>
//   cpu_us=<processor time of the process until then>
// and exits with 0. The caller takes the launch time on the same wall clock (Wine's is the host's).
