"""Start-up time and idle memory of the real binary under Xvfb.

Measures, over several starts, the time from process start to the main
window being mapped (seen as a MapNotify on the root window), and the resident
memory once the window has idled for two seconds.

Usage: /usr/bin/python3 bench/startup.py --binary build/zolvenar [--runs 10]
"""

import argparse
import os
import select
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from Xlib import X  # noqa: E402

import harness  # noqa: E402


def resident_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def one_start(binary, session):
    xlib = session._xlib
    root = xlib.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    xlib.sync()
    while xlib.pending_events():
        xlib.next_event()
    workdir = tempfile.mkdtemp(prefix="zolvenar-startup-")
    env = session._environment()
    started = time.monotonic()
    process = subprocess.Popen([binary], cwd=workdir, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shown = None
    deadline = started + 20
    while shown is None and time.monotonic() < deadline:
        if not xlib.pending_events():
            select.select([xlib.fileno()], [], [], 0.05)
            continue
        event = xlib.next_event()
        if event.type == X.MapNotify:
            shown = time.monotonic() - started
    time.sleep(2)
    rss = resident_mb(process.pid)
    process.terminate()
    process.wait(10)
    os.rmdir(workdir) if not os.listdir(workdir) else None
    return shown, rss


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    times, memory = [], []
    with harness.Session("/bin/true") as session:
        for _ in range(args.runs):
            shown, rss = one_start(binary, session)
            if shown is None:
                print("window never shown")
                return 1
            times.append(shown * 1000)
            memory.append(rss)
    print("start to window shown: median %.0f ms, worst %.0f ms over %d starts (goal under 300 ms)"
          % (statistics.median(times), max(times), len(times)))
    print("resident memory when idle: median %.1f MB (goal under 60 MB)" % statistics.median(memory))
    return 0


if __name__ == "__main__":
    sys.exit(main())
