"""Start-up time and idle memory of zolvenar beside a bare Qt window.

Starts the real binary, BareWindow (one push button in a QApplication, shown
at 640 x 480) and TextBoxWindow (the same with one text box, the font database
filled on a thread meanwhile) in turns on the same Xvfb display, each in an
empty home and working directory with the same environment, so that all meet
the same machine load. The goals are set against the bare window; the text box
window shows what any window whose text boxes exist before it maps must add. For each start it measures the time from process start to the
window being mapped (seen as a MapNotify on the root window), the time until
the program has first drawn into it (the first Damage report on that window
after the map: a mapped window shows nothing of its own until then), and the
memory once the window has idled for two seconds: resident, and the private
part of it (heap, stacks, anonymous maps) apart from the library and font
pages shared with every other program. One start of each
comes first and is not counted: it only brings the libraries into the page
cache.

Usage: /usr/bin/python3 bench/startup.py --binary build/zolvenar
           [--bare build/bench/BareWindow] [--text-box build/bench/TextBoxWindow]
           [--runs 15]
"""

import argparse
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from Xlib import X  # noqa: E402
from Xlib.ext import damage  # noqa: E402

import harness  # noqa: E402

# The goals, as measured against the bare window.
TIME_GOAL = 1.15
MEMORY_GOAL_MB = 1.5


def memory_mb(pid):
    """Resident and private (anonymous) memory."""
    figures = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            name, _, value = line.partition(":")
            if name in ("VmRSS", "RssAnon"):
                figures[name] = int(value.split()[0]) / 1024.0
    return figures.get("VmRSS", float("nan")), figures.get("RssAnon", float("nan"))


def environment(session, home):
    env = session._environment()
    # Nothing of the user who runs the bench: no settings, caches or styles of theirs.
    for name in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                 "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"):
        env.pop(name, None)
    env["HOME"] = home
    return env


def one_start(binary, session):
    xlib = session._xlib
    root = xlib.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    xlib.damage_query_version()
    # A window gone before its damage watch is made is no error of the program's.
    xlib.set_error_handler(lambda *_: None)
    xlib.sync()
    while xlib.pending_events():
        xlib.next_event()
    home = tempfile.mkdtemp(prefix="zolvenar-startup-")
    env = environment(session, home)
    started = time.monotonic()
    process = subprocess.Popen([binary], cwd=home, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shown = drawn = mapped = None
    deadline = started + 20
    while drawn is None and time.monotonic() < deadline:
        if not xlib.pending_events():
            select.select([xlib.fileno()], [], [], 0.05)
            continue
        event = xlib.next_event()
        now = time.monotonic() - started
        if event.type == X.CreateNotify:
            # Watched from its creation, well before anything can be drawn in it.
            event.window.damage_create(damage.DamageReportNonEmpty)
            xlib.flush()
        elif event.type == X.MapNotify and shown is None:
            shown, mapped = now, event.window.id
        elif event.type == xlib.extension_event.DamageNotify and event.drawable.id == mapped:
            drawn = now
    time.sleep(2)
    rss = memory_mb(process.pid)
    process.terminate()
    process.wait(10)
    shutil.rmtree(home, ignore_errors=True)
    return shown, drawn, rss


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    parser.add_argument("--bare", help="the bare window; by default bench/BareWindow beside the binary")
    parser.add_argument("--text-box", help="the text box window; by default bench/TextBoxWindow beside the binary")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    beside = os.path.join(os.path.dirname(binary), "bench")
    programs = {
        "zolvenar": binary,
        "bare window": os.path.abspath(args.bare or os.path.join(beside, "BareWindow")),
        "text box window": os.path.abspath(args.text_box or os.path.join(beside, "TextBoxWindow")),
    }
    times = {name: [] for name in programs}
    drawing = {name: [] for name in programs}
    resident = {name: [] for name in programs}
    private = {name: [] for name in programs}
    with harness.Session("/bin/true") as session:
        for name, path in programs.items():
            if one_start(path, session)[1] is None:
                print("%s: window never shown" % name)
                return 1
        for run in range(args.runs):
            # The order turns every round, so that none always follows the same one.
            order = list(programs.items())
            order = order[run % len(order):] + order[:run % len(order)]
            for name, path in order:
                shown, drawn, (rss, anonymous) = one_start(path, session)
                if drawn is None:
                    print("%s: window never shown" % name)
                    return 1
                times[name].append(shown * 1000)
                drawing[name].append(drawn * 1000)
                resident[name].append(rss)
                private[name].append(anonymous)
    median = statistics.median
    for name in programs:
        print("%-16s start to window shown: median %.1f ms, worst %.1f ms; to first drawn: median %.1f ms; "
              "memory when idle: median %.1f MB resident, %.1f MB of it private"
              % (name + ":", median(times[name]), max(times[name]), median(drawing[name]),
                 median(resident[name]), median(private[name])))

    def ratio(figures, name="zolvenar"):
        return median(figures[name]) / median(figures["bare window"])

    def extra(figures):
        return median(figures["zolvenar"]) - median(figures["bare window"])

    print("zolvenar / bare window, start to window shown: %.2fx over %d interleaved starts each (goal at most %.2fx); "
          "text box window / bare window: %.2fx" % (ratio(times), args.runs, TIME_GOAL, ratio(times, "text box window")))
    print("zolvenar / bare window, start to first drawn: %.2fx; text box window / bare window: %.2fx"
          % (ratio(drawing), ratio(drawing, "text box window")))
    print("zolvenar - bare window, idle memory: %+.1f MB resident (goal at most %+.1f MB), %+.1f MB private"
          % (extra(resident), MEMORY_GOAL_MB, extra(private)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
