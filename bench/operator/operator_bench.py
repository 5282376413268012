#!/usr/bin/env python3
"""operator_bench: the real TaveloPro.exe as an operator uses it for a long while, measured from
outside (journey runner, tests/journeys): memory, windows and the device line after start-up and
after many operations, and whether the cycle of operations drifts or loses frames.

    python3 bench/operator/operator_bench.py [--operations N] [--seconds S]
        --bin build/win/bin --probe build/win/bin/journey_probe.exe
        --tzsim build/native/bin/tzsim --prefix $PWD/build/win/wineprefix --work /tmp/opbench

One operation is a press of 开机 or 关机 in the control view, alternately: the progress window,
the worker thread, one frame on the line, the window closing. The run ends after N operations
(default 1000) or S seconds, whichever comes first (--seconds 3600 for the hour-long endurance
run). Printed against their goals:
- working set after start-up, after the first 10 operations and at the end (goal at most 30 MB);
- the program's windows (USER objects) and, where the system reports them, GDI and USER object
  counts after 10 operations and at the end (goal: equal);
- frames: operations against the frames tzsim counted (goal: none lost), and anomalies;
- the cycle: median operation time in the first and last tenth (goal: no drift).
"""

import argparse
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "journeys"))
import journeys as J  # noqa: E402
from runner import MB, Session, add_session_options, print_object_counts, program_figures, session_config, wait_until  # noqa: E402

GOAL_WORKING_SET_MB = 30


def operate(s, frame, index):
    """One operation: 开机 on even, 关机 on odd indexes; returns its duration in seconds."""
    started = time.monotonic()
    J.press_power(s, frame, index % 2 == 0, index)
    return time.monotonic() - started


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--operations", type=int, default=int(os.environ.get("OPERATOR_OPERATIONS", 1000)))
    parser.add_argument("--seconds", type=float, default=float(os.environ.get("OPERATOR_SECONDS", 3600)))
    add_session_options(parser)
    args = parser.parse_args()
    cfg = session_config(args)
    xvfb = J.start_xvfb() if not os.environ.get("DISPLAY") else None
    s = Session("operator_bench", cfg)
    try:
        frame = J.start_logged_in(s, "User", "")
        J.control_view_button(s, frame, J.IDC_CV_POWER_ON)
        time.sleep(2)  # the first status tick and paints; figures are taken at rest
        start = program_figures(s, "after start-up")
        durations = []
        deadline = time.monotonic() + args.seconds
        after10 = None
        for i in range(args.operations):
            durations.append(operate(s, frame, i))
            if i + 1 == 10:
                after10 = program_figures(s, "after 10 operations")
            if time.monotonic() > deadline:
                break
        done = len(durations)
        wait_until("tzsim to count every frame", lambda: len(J.power_frames(s)) >= done, 30)
        end = program_figures(s, "after %d operations" % done)
        frames = len(J.power_frames(s))
        tenth = max(1, done // 10)
        first, last = statistics.median(durations[:tenth]), statistics.median(durations[-tenth:])
        print()
        print("working set after start-up: %.1f MB (goal at most %d MB)" % (start.get("working_set", 0) / MB,
                                                                          GOAL_WORKING_SET_MB))
        print("working set after %d operations: %.1f MB (goal at most %d MB)"
              % (done, end.get("working_set", 0) / MB, GOAL_WORKING_SET_MB))
        if after10:
            print_object_counts(after10, end, "after 10 / after %d operations" % done)
        print("frames: %d operations, %d frames at tzsim, %d lost; %d anomalies (goal 0 lost, 0 anomalies)"
              % (done, frames, done - frames, len(s.anomalies())))
        print("operation round trip (the driver's clicks and probes included), median of the first and last"
              " tenth: %.0f ms / %.0f ms (drift %+.0f ms; goal none)"
              % (first * 1000, last * 1000, (last - first) * 1000))
        J.exit_program(s, frame)
        return 0
    finally:
        s.close()
        if xvfb:
            xvfb.terminate()


if __name__ == "__main__":
    sys.exit(main())
