#!/usr/bin/python3
"""Takes the window screenshots in docs/ under Xvfb, through the end-to-end harness:
after a generator run, the window with its options open and folded away, with
its options open at twice the scale, with its options open under the light
and the dark Adwaita style, chosen through QT_STYLE_OVERRIDE as GNOME does, and
with its options open in German, Japanese and Arabic, chosen through LANG.

Usage: scripts/screenshots.py [--binary build/zolvenar] [--dir docs] [NAME ...]
with NAME among expanded, collapsed, scale2, adwaita, adwaita-dark, german,
japanese, arabic (all by default); each is written to DIR/window-NAME.png.
"""

import argparse
import os
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "e2e"))

import harness  # noqa: E402

# Symbols on, 16 to 20 characters, 8 generators: a run that ends by itself.
SETTINGS = "\r\n".join([
    "[SETTINGS]", "LOWERCASEENABLED=TRUE", "UPPERCASEENABLED=TRUE", "NUMBERENABLED=TRUE",
    "SYMBOLENABLED=TRUE", "SIMILARENABLED=FALSE", "INCLUDECUSTOMENABLED=FALSE",
    "EXCLUDECUSTOMENABLED=FALSE", "MINLENGTH=16", "MAXLENGTH=20", "PASSCOUNT=10",
    "PASSSTRENGTH=200", "GENERATORS=8", "CLEARCLIPBOARD=FALSE", "SAVESETTINGS=FALSE",
    "SAVED=TRUE"]) + "\r\n"

GENERATE, SHOW_OPTIONS = "Click Here to Generate Passwords", "Edit Password Settings"
# name: (scale, options open, style asked for or None, language and LANG or None)
SHOTS = {"expanded": (1, True, None, None), "collapsed": (1, False, None, None), "scale2": (2, True, None, None),
         "adwaita": (1, True, "Adwaita", None), "adwaita-dark": (1, True, "Adwaita-Dark", None),
         "german": (1, True, None, ("de", "de_DE.UTF-8")), "japanese": (1, True, None, ("ja", "ja_JP.UTF-8")),
         "arabic": (1, True, None, ("ar", "ar_EG.UTF-8"))}


def window_shot(s, path):
    """The client area alone, cut out of a picture of the whole screen."""
    with tempfile.TemporaryDirectory() as work:
        screen = os.path.join(work, "screen.png")
        s.screenshot(screen)
        x, y = s.client_origin()
        width, height = s.client_size()
        subprocess.run(["convert", screen, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage",
                        "-strip", path], check=True)


def take(binary, name, folder):
    scale, options_open, style, language = SHOTS[name]
    env = {"QT_SCALE_FACTOR": str(scale)}
    if style:
        env["QT_STYLE_OVERRIDE"] = style
    names = {}
    if language:
        env["LANG"] = language[1]
        names = harness.translated_names(language[0])
    with harness.Session(binary, files={"Zolvenar.ini": SETTINGS}, env=env, accessible=True, names=names) as s:
        s.find_window()
        s.wait_until(lambda: s.client_size() == (632 * scale, 447 * scale), 10, "the start-up client size")
        watch = s.watch_title()
        s.click_control(GENERATE)
        watch.wait_for(harness.DEFAULT_TITLE, 120)
        # Off the controls, so no button is drawn lit up under the pointer.
        s.move(0, 447 * scale - 1)
        if options_open:
            s.click_control(SHOW_OPTIONS)
            s.move(0, 447 * scale - 1)
        time.sleep(0.5)  # the last repaint
        window_shot(s, os.path.join(folder, "window-%s.png" % name))
        # Closes as a logout does, with no question about the unsaved passwords in any language.
        s.signal(signal.SIGTERM)
        s.wait_exit(15)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "zolvenar"))
    parser.add_argument("--dir", default=os.path.join(ROOT, "docs"), help="where the pictures go")
    parser.add_argument("names", nargs="*", metavar="NAME")
    args = parser.parse_args()
    unknown = set(args.names) - set(SHOTS)
    if unknown:
        parser.error("unknown screenshot %s; choose from %s" % (", ".join(sorted(unknown)), ", ".join(sorted(SHOTS))))
    for name in args.names or sorted(SHOTS):
        take(args.binary, name, args.dir)
        print(os.path.join(args.dir, "window-%s.png" % name))


if __name__ == "__main__":
    main()
