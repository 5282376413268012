#!/usr/bin/env python3
"""preset_cycling_bench: the timed recall of 系统设置 cycling through all twenty presets for a
chosen time, the real TaveloPro.exe under Wine against tzsim, measured from outside.

    python3 bench/endurance/preset_cycling_bench.py [--seconds S] [--interval I]
        --bin build/win/bin --probe build/win/bin/journey_probe.exe
        --tzsim build/native/bin/tzsim --prefix $PWD/build/win/wineprefix --work /tmp/cyclebench

ENDURANCE_SECONDS=3600 runs the hour by hand (default 120 s); ENDURANCE_INTERVAL sets the
period in seconds (default 1, typed into the dialog's editable list). First the twenty presets
are stored from the preset panel (the wall split in two for even presets, one window over the
region for odd ones, so every recall changes what tzsim shows), then 定时发送预设场景 from 0 to
19 runs until the time is up and 停止 ends it. Printed against the goals:
- the program's working set and private bytes, and its windows, at the start of cycling, after
  the first full cycle and at the end (goal no growth; GDI/USER/handle counts where the system
  reports them - Wine answers 0);
- recalls the program's traffic log says it sent against the CallPreset frames tzsim counted
  (goal none lost), their order 0..19, 0..19, ... (goal exact), anomalies (goal none);
- the interval between recalls by tzsim's clock: median of the first and last tenth, the
  largest, and where the last recall lies against a steady cycle from the first (goal no drift).
"""

import argparse
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "journeys"))
import journeys as J  # noqa: E402
import preset_journeys as P  # noqa: E402
from runner import (MB, Session, add_session_options, check, print_object_counts, program_figures,  # noqa: E402
                    session_config, wait_until)

PRESETS = 20


def store_all(s):
    started = time.monotonic()
    scenes = {}
    for n in range(PRESETS):
        if n % 2 == 0:
            P.split_in_two(s)
        else:
            P.split(s, P.SPLIT_FULL)
            wait_until("one window over the region",
                       lambda: [w[:5] for w in P.windows_on(s)][:1] == [(2, 0, 0, 1920, 1080)] or None, 60)
            P.settled(s, "the change to settle")
        scenes[n] = P.windows_on(s)
        P.store_preset(s, n)
    stored = (s.state() or {}).get("presets", [])
    check(len(stored) == PRESETS, "tzsim holds the twenty presets: %r" % stored)
    print("twenty presets stored from the panel in %.0f s" % (time.monotonic() - started))
    return scenes


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seconds", type=float, default=float(os.environ.get("ENDURANCE_SECONDS", 120)))
    parser.add_argument("--interval", type=int, default=int(os.environ.get("ENDURANCE_INTERVAL", 1)))
    add_session_options(parser)
    args = parser.parse_args()
    cfg = session_config(args)
    xvfb = J.start_xvfb() if not os.environ.get("DISPLAY") else None
    s = Session("preset_cycling_bench", cfg)
    try:
        frame = P.start_with_blank_scene(s, "Administrator", J.ADMIN_PASSWORD)
        scenes = store_all(s)
        logged_before = P.logged_recalls(s)

        clicked = P.start_cycling(s, frame, 0, PRESETS - 1, args.interval)
        time.sleep(1)
        start = program_figures(s, "cycling started")
        wait_until("the first full cycle", lambda: len(P.recalls(s)) >= PRESETS + 1, PRESETS * args.interval + 60)
        after_cycle = program_figures(s, "after the first cycle")
        deadline = time.monotonic() + args.seconds
        while time.monotonic() < deadline:
            time.sleep(min(10.0, max(0.0, deadline - time.monotonic())))
        P.stop_cycling(s)
        time.sleep(2 * args.interval + 0.5)
        end = program_figures(s, "at the end")
        got = P.recalls(s)
        sent = P.logged_recalls(s) - logged_before
        f = P.cycle_figures(got, 0, PRESETS - 1, args.interval)
        pacing = [a for a in s.anomalies() if "the link promises" in a]
        other = [a for a in s.anomalies() if a not in pacing]
        period = args.interval * 1000.0

        print()
        print("cycling %d s at %d s per preset: %d recalls (%.1f full cycles)"
              % (args.seconds, args.interval, len(got), len(got) / PRESETS))
        print("working set at start / after one cycle / end: %.1f / %.1f / %.1f MB (goal no growth)"
              % (start.get("working_set", 0) / MB, after_cycle.get("working_set", 0) / MB, end.get("working_set", 0) / MB))
        print("private bytes at start / after one cycle / end: %.1f / %.1f / %.1f MB (goal no growth)"
              % (start.get("private", 0) / MB, after_cycle.get("private", 0) / MB, end.get("private", 0) / MB))
        print_object_counts(after_cycle, end, "after one cycle / end")
        print("recalls sent (traffic log) / received (tzsim): %d / %d, %d lost (goal 0); order 0..19 repeated: %s;"
              " anomalies %d (goal 0), short gaps read by tzsim %d"
              % (sent, len(got), sent - len(got), "exact" if f["in_order"] else "WRONG", len(other), len(pacing)))
        print("first recall %.1f ms after the click" % (got[0][0] - P.tzsim_ms(s, clicked)))
        print("interval: median %.1f ms in the first tenth, %.1f ms in the last tenth, largest %.1f ms, smallest"
              " %.1f ms (period %.0f ms)" % (f["first_median"], f["last_median"], max(f["gaps"]), min(f["gaps"]), period))
        print("first gap %.1f ms (the timer starts after the first recall and its 50 ms pause)" % f["first_gap"])
        print("drift: from the second recall on, the last lies %+.1f ms from a steady cycle's place after %d"
              " periods (%+.4f %%; goal none)" % (f["drift"], len(got) - 2, f["drift"] / max(1, len(got) - 2) / period * 100))
        last = got[-1][1]
        print("tzsim shows preset %d's scene at the end: %s" % (last, "yes" if P.windows_on(s) == scenes[last] else "NO"))
        P.close_system_settings(s)
        J.exit_program(s, frame)
        return 0
    finally:
        s.close()
        if xvfb:
            xvfb.terminate()


if __name__ == "__main__":
    sys.exit(main())
