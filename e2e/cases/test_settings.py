"""Zolvenar.ini applied at start-up and written back on close, hand edits kept, and
the window's stored bounds kept over starts, with and without a window manager."""

import os
import shutil
import signal
import tempfile

import harness

# A hand-edited file: comments, an unknown section before and after, an unknown key,
# indentation and LF line ends.
PREPARED = (
    "; Zolvenar settings, edited by hand\n"
    "# keep this comment too\n"
    "\n"
    "[Unknown]\n"
    "colour = blue ; mine\n"
    "[SETTINGS]\n"
    "VERSION=0.4\n"
    "LOWERCASEENABLED=FALSE\n"
    "UPPERCASEENABLED=TRUE\n"
    "SYMBOLSET=#+\n"
    "  ; a note among the keys\n"
    "UNKNOWNKEY=keep me\n"
    "MINLENGTH=20\n"
    "PASSCOUNT=3\n"
    "RESTOREWINDOW=TRUE\n"
    "LEFT=100\n"
    "TOP=80\n"
    "WIDTH=700\n"
    "HEIGHT=500\n"
    "SAVESETTINGS=TRUE\n"
    "SAVED=TRUE\n"
    "[Tail]\n"
    "x=1\n"
)

def crlf(text):
    return text.replace("\n", "\r\n").encode()


def test_prepared_file_applied_then_full_save_keeps_hand_edits(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": PREPARED}) as s:
        s.find_window()
        # The stored bounds are applied before the window first appears.
        s.wait_until(lambda: s.client_size() == (700, 500), 10, "client size 700x500")
        s.wait_until(lambda: s.client_origin() == (100, 80), 10, "window at 100,80")
        s.click_control("Symbols", "check box")
        # The two options of the context menu, ticked by their access keys (the bus
        # lists no popup among the program's windows, so its items have no place
        # there): opened with the right button on the list, then with Shift+F10 on
        # the box just clicked; the Menu key opens it too, and a delay is chosen in
        # its submenu.
        s.click_control("Generated Passwords", "list", button=3)
        s.wait_popup()
        s.key("m")
        s.wait_popup(False)
        s.key("shift+F10")
        s.wait_popup()
        s.key("r")
        s.wait_popup(False)
        s.key("Menu")
        s.wait_popup()
        s.key("l", "3")  # Clear Clipboard After: 30 s
        s.wait_popup(False)
        s.close()
        assert s.wait_exit(15) == 0, s.stderr()
        saved = s.read_file("Zolvenar.ini", binary=True)

    expected = crlf(
        "; Zolvenar settings, edited by hand\n"
        "# keep this comment too\n"
        "\n"
        "[Unknown]\n"
        "colour = blue ; mine\n"
        "[SETTINGS]\n"
        "VERSION=0.5a\n"
        "LOWERCASEENABLED=FALSE\n"
        "UPPERCASEENABLED=TRUE\n"
        "SYMBOLSET=#+\n"
        "  ; a note among the keys\n"
        "UNKNOWNKEY=keep me\n"
        "MINLENGTH=20\n"
        "PASSCOUNT=3\n"
        "RESTOREWINDOW=TRUE\n"
        "LEFT=100\n"
        "TOP=80\n"
        "WIDTH=700\n"
        "HEIGHT=500\n"
        "SAVESETTINGS=TRUE\n"
        "SAVED=TRUE\n"
        "NUMBERENABLED=TRUE\n"
        "SYMBOLENABLED=TRUE\n"
        "SIMILARENABLED=FALSE\n"
        "INCLUDECUSTOMENABLED=FALSE\n"
        "EXCLUDECUSTOMENABLED=FALSE\n"
        "LOWERCASESET=abcdefghijklmnopqrstuvwxyz\n"
        "UPPERCASESET=ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
        "NUMBERSET=0123456789\n"
        "SIMILARSET=1iIjl0oO!5S2Z\n"
        "INCLUDECUSTOMSET=\n"
        "EXCLUDECUSTOMSET=\n"
        "MAXLENGTH=16\n"
        "PASSSTRENGTH=100\n"
        "GENERATORS=0\n"
        "MIXSYSTEMRANDOM=TRUE\n"
        "REQUIREEACHSET=TRUE\n"
        "CLEARCLIPBOARDAFTER=30\n"
        "MAXIMIZED=FALSE\n"
        "CLEARCLIPBOARD=FALSE\n"
        "[Tail]\n"
        "x=1\n"
    )
    assert saved == expected, "saved file:\n%s" % saved.decode(errors="replace")


def test_unticking_save_settings_changes_only_that_key(binary):
    prepared = PREPARED.replace("RESTOREWINDOW=TRUE\nLEFT=100\nTOP=80\nWIDTH=700\nHEIGHT=500\n", "")
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": prepared}) as s:
        s.find_window()
        width, height = s.wait_until(lambda: s.client_size(), 10, "the client size")
        # Without stored bounds the window opens centred; Xvfb has no window frames.
        screen_width, screen_height = s.screen_size()
        assert s.client_origin() == ((screen_width - width) // 2, (screen_height - height) // 2), s.client_origin()
        s.click_control("Save Settings on Exit")
        s.close()
        assert s.wait_exit(15) == 0, s.stderr()
        saved = s.read_file("Zolvenar.ini", binary=True)

    assert saved == crlf(prepared.replace("SAVESETTINGS=TRUE", "SAVESETTINGS=FALSE")), \
        "saved file:\n%s" % saved.decode(errors="replace")


# A file that restores the window; the rows below add the bounds it stores.
RESTORING = "[SETTINGS]\nSAVED=TRUE\nSAVESETTINGS=TRUE\nRESTOREWINDOW=TRUE\n"
BOUNDS = (100, 80, 700, 500)
STARTUP_CLIENT = (632, 447)


def stored_bounds(workdir):
    """MAXIMIZED and the outer bounds as the last save wrote them."""
    with open(os.path.join(workdir, "Zolvenar.ini"), newline="") as f:
        keys = dict(line.split("=", 1) for line in f.read().split("\r\n") if "=" in line)
    return keys["MAXIMIZED"], tuple(int(keys[name]) for name in ("LEFT", "TOP", "WIDTH", "HEIGHT"))


def start_in(workdir, text):
    with open(os.path.join(workdir, "Zolvenar.ini"), "w") as f:
        f.write(text)


def placed(s, size, origin):
    """Whether the frame has size (None for a side the stored bounds leave at the
    start-up client size) at origin, or centred on the screen when origin is None."""
    left, top, width, height = s.frame_bounds()
    frame, client = (width, height), s.client_size()
    sides = [(frame[i] if wanted else client[i]) == (wanted or STARTUP_CLIENT[i]) for i, wanted in enumerate(size)]
    if origin is None:
        screen_width, screen_height = s.screen_size()
        origin = ((screen_width - width) // 2, (screen_height - height) // 2)
    return all(sides) and (left, top) == origin


def close_and_exit(s):
    s.close()
    assert s.wait_exit(15) == 0, s.stderr()


PLACEMENTS = {
    "all four": ("LEFT=100\nTOP=80\nWIDTH=700\nHEIGHT=500\n", (700, 500), (100, 80), 1),
    "only WIDTH": ("WIDTH=700\n", (700, None), None, 1),
    # Its close comes soonest after the window manager's framing: a few starts.
    "no bounds": ("", (None, None), None, 3),
}


@harness.rows(**{"%s, %s" % (name, "openbox" if wm else "bare"): {"placement": placement, "wm": wm}
                 for name, placement in PLACEMENTS.items() for wm in (False, True)})
def test_stored_bounds_are_the_frame_on_screen_and_survive_a_restart(binary, placement, wm):
    keys, size, origin, repeats = placement
    for _ in range(repeats):
        workdir = tempfile.mkdtemp(prefix="zolvenar-bounds-")
        try:
            start_in(workdir, RESTORING + keys)
            with harness.Session(binary, workdir=workdir, wm=wm) as s:
                s.find_window()
                s.wait_until(lambda: placed(s, size, origin), 10, "the window placed by %r" % keys)
                bounds = s.frame_bounds()
                close_and_exit(s)
            stored = stored_bounds(workdir)
            assert stored == ("FALSE", bounds), "stored %r for the frame at %r" % (stored, bounds)

            # Every bound stored now; the next start must put the window just there.
            with harness.Session(binary, workdir=workdir, wm=wm) as s:
                s.find_window()
                s.wait_until(lambda: s.frame_bounds() == bounds, 10, "the frame at %r" % (bounds,))
                close_and_exit(s)
            stored = stored_bounds(workdir)
            assert stored == ("FALSE", bounds), "stored %r after a restart at %r" % (stored, bounds)
        finally:
            shutil.rmtree(workdir, ignore_errors=True)


@harness.rows(**{"%s, %s" % (scale, "openbox" if wm else "bare"): {"scale": scale, "wm": wm}
                 for scale in ("2", "1.5") for wm in (False, True)})
def test_stored_bounds_stay_in_the_windows_own_pixels_on_a_scaled_desktop(binary, scale, wm):
    wanted = (100, 80, 500, 400)
    workdir = tempfile.mkdtemp(prefix="zolvenar-scaled-")
    try:
        start_in(workdir, RESTORING + "LEFT=100\nTOP=80\nWIDTH=500\nHEIGHT=400\n")
        for start in (1, 2, 3):
            with harness.Session(binary, workdir=workdir, wm=wm, env={"QT_SCALE_FACTOR": scale}) as s:
                s.find_window()
                # On the screen: the stored bounds in device pixels.
                device = tuple(round(v * float(scale)) for v in wanted)
                s.wait_until(lambda: all(abs(a - b) <= 2 for a, b in zip(s.frame_bounds(), device)), 10,
                             "the frame at about %r" % (device,))
                close_and_exit(s)
            maximized, stored = stored_bounds(workdir)
            # Qt asks the window manager for sizes in steps of whole device pixels per
            # window pixel (2 at 1.5): a size between two steps settles once.
            near = start == 1 and scale == "1.5" and wm
            assert maximized == "FALSE" and (stored == wanted or near and all(
                abs(a - b) <= 1 for a, b in zip(stored, wanted))), "after start %d: %r" % (start, stored)
            wanted = stored
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


@harness.rows(normal={"maximized": "FALSE"}, maximized={"maximized": "TRUE"})
def test_under_wayland_the_stored_place_stays_and_the_size_is_kept(binary, maximized):
    # Wayland tells no client where its window is.
    workdir = tempfile.mkdtemp(prefix="zolvenar-wayland-")
    try:
        start_in(workdir, RESTORING + "LEFT=100\nTOP=80\nWIDTH=700\nHEIGHT=500\nMAXIMIZED=%s\n" % maximized)
        for start in (1, 2):
            with harness.Session(binary, workdir=workdir, wayland=True) as s:
                s.wait_until(s.wayland_configured, 15, "the window configured by the compositor")
                s.signal(signal.SIGTERM)
                assert s.wait_exit(15) == 0, s.stderr()[-2000:]
            stored = stored_bounds(workdir)
            assert stored == (maximized, BOUNDS), "after start %d: %r" % (start, stored)
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


def test_maximized_window_keeps_its_restored_bounds_over_starts(binary):
    # Under a window manager, which frames and maximizes the window behind Qt's back.
    def maximized(s):
        return s.maximized() and s.frame_bounds() == (0, 0) + s.screen_size()

    workdir = tempfile.mkdtemp(prefix="zolvenar-maximized-")
    try:
        start_in(workdir, RESTORING + "LEFT=100\nTOP=80\nWIDTH=700\nHEIGHT=500\n")
        with harness.Session(binary, workdir=workdir, wm=True) as s:
            s.find_window()
            s.wait_until(lambda: s.frame_bounds() == BOUNDS, 10, "the frame at the stored bounds")
            s.set_maximized(True)  # as the title bar's button does
            s.wait_until(lambda: maximized(s), 10, "the window maximized")
            close_and_exit(s)
        stored = stored_bounds(workdir)
        assert stored == ("TRUE", BOUNDS), "maximized by the user: %r" % (stored,)

        for start in (2, 3):
            with harness.Session(binary, workdir=workdir, wm=True) as s:
                s.find_window()
                s.wait_until(lambda: maximized(s), 10, "the window maximized")
                close_and_exit(s)
            stored = stored_bounds(workdir)
            assert stored == ("TRUE", BOUNDS), "after start %d: %r" % (start, stored)

        # The window manager restores the window to the bounds it had before.
        with harness.Session(binary, workdir=workdir, wm=True) as s:
            s.find_window()
            s.wait_until(lambda: maximized(s), 10, "the window maximized")
            s.set_maximized(False)
            s.wait_until(lambda: not s.maximized() and s.frame_bounds() == BOUNDS, 10, "the stored bounds back")
            close_and_exit(s)
        stored = stored_bounds(workdir)
        assert stored == ("FALSE", BOUNDS), "restored by the user: %r" % (stored,)
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    harness.main(globals())
