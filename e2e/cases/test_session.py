"""The end of a session around the real window: termination signals, a session
manager's shutdown and a display that goes away. Each starts with something a
close would ask about, a setting changed since start and our copy on the clipboard."""

import signal
import time

from Xlib import X, display as xdisplay

import harness

GENERATE = "Click Here to Generate Passwords"
# Eight generators finish a run with the pointer still; no weak-settings question.
SETTINGS = "\r\n".join(["[SETTINGS]", "MINLENGTH=16", "MAXLENGTH=16", "PASSCOUNT=3", "PASSSTRENGTH=200",
                        "GENERATORS=8", "CLEARCLIPBOARD=TRUE", "SAVESETTINGS=TRUE", "SAVED=TRUE"]) + "\r\n"


def prepare(s):
    """Symbols ticked (stored FALSE until now), passwords made and copied, then a
    second run: its passwords are unsaved, or it is still going."""
    s.find_window()
    s.wait_until(lambda: s.client_size() == (632, 447), 10, "the start-up client size")
    s.click_control("Symbols", "check box")
    watch = s.watch_title()
    s.click_control(GENERATE)
    watch.wait_for(harness.DEFAULT_TITLE, 60)
    s.click_control("Copy to Clipboard")
    copied = s.wait_until(lambda: "\r\n" in s.clipboard() and s.clipboard(), 10, "the passwords on the clipboard")
    s.click_control(GENERATE)
    return copied


def saved(s):
    text = s.read_file("Zolvenar.ini")
    return dict(line.split("=", 1) for line in text.split("\r\n") if "=" in line)


def closed_in_order(s, code=0):
    assert s.wait_exit(20) == code, "exit code %r, stderr: %s" % (s.wait_exit(0), s.stderr())
    stored = saved(s)
    assert stored.get("SYMBOLENABLED") == "TRUE" and stored.get("VERSION"), stored
    return stored


@harness.rows(**{"SIGTERM": {"number": signal.SIGTERM}, "SIGINT": {"number": signal.SIGINT},
                 "SIGHUP": {"number": signal.SIGHUP}, "SIGQUIT": {"number": signal.SIGQUIT},
                 "SIGTERM, openbox": {"number": signal.SIGTERM, "wm": True},
                 "SIGTERM while the closing question is open": {"number": signal.SIGTERM, "asking": True},
                 "SIGTERM, then SIGTERM, SIGHUP and SIGQUIT while a clipboard manager holds the hand-over: "
                 "they wait, the copy is handed over":
                     {"number": signal.SIGTERM, "handing_over": [signal.SIGTERM, signal.SIGHUP, signal.SIGQUIT]},
                 "SIGTERM, two more during the hand-over: the third ends the program at once":
                     {"number": signal.SIGTERM, "handing_over": [signal.SIGTERM, signal.SIGTERM],
                      "code": -signal.SIGTERM}})
def test_a_signal_closes_in_order_without_a_question(binary, number, wm=False, asking=False, handing_over=(),
                                                     code=0):
    # With a clipboard manager, Clear Clipboard on Exit is unticked: our copy is handed over at exit.
    settings = SETTINGS.replace("CLEARCLIPBOARD=TRUE", "CLEARCLIPBOARD=FALSE") if handing_over else SETTINGS
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings}, wm=wm) as s:
        manager = s.clipboard_manager() if handing_over else None
        copied = prepare(s)
        if asking:
            s.close()
            s.find_window("Zolvenar", 15)
            s.window = None
        s.signal(number)
        if manager:
            manager.wait_asked()
            for then in handing_over:
                s.signal(then, taken=True)
            manager.release()
        closed_in_order(s, code)
        if not manager:
            assert s.clipboard() == "", "our passwords stayed on the clipboard"
        elif code == 0:
            assert manager.wait_saved() == copied and s.clipboard() == copied, "the clipboard manager got nothing"
        assert s.stdout() == "", s.stdout()


@harness.rows(**{"no interaction: saved at once": {"interact": "None", "answers": []},
                 "no interaction, openbox": {"interact": "None", "answers": [], "wm": True},
                 "interaction, answered Yes": {"interact": "Any", "answers": ["alt+y"]},
                 "interaction, answered No: the shutdown is cancelled, the next one asks again":
                     {"interact": "Any", "answers": ["alt+n", "alt+y"]}})
def test_a_session_manager_shutdown(binary, interact, answers, wm=False):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": SETTINGS}, session_manager=True, wm=wm) as s:
        prepare(s)
        for answer in answers or [None]:
            s.end_session(interact)
            if answer:
                s.answer("Zolvenar", answer, 20)
            if answer == "alt+n":
                s.dismiss_save_failure()
        closed_in_order(s)
        assert s.clipboard() == "", "our passwords stayed on the clipboard"


@harness.rows(**{"killed after a checkpoint": {"asking": False},
                 "killed after a checkpoint, the closing question open": {"asking": True}})
def test_a_checkpoint_saves_without_a_question_and_a_lost_session_manager_ends_nothing(binary, asking):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": SETTINGS}, session_manager=True) as s:
        prepare(s)
        # A question would come before the save, and hold it.
        s.checkpoint("Any")
        s.wait_until(lambda: saved(s).get("SYMBOLENABLED") == "TRUE", 20, "the checkpoint's save")
        assert not s.visible_windows("Zolvenar"), "a checkpoint asked"
        if asking:
            s.close()
            s.find_window("Zolvenar", 15)
            s.window = None
        s.kill_session_manager()
        time.sleep(0.5)
        before = s.cpu_seconds()
        time.sleep(2)
        # Idle, not spinning on the dead connection (that would be about 2 s).
        assert s.cpu_seconds() - before < 0.2, "%.2f s of processor time in 2 s" % (s.cpu_seconds() - before)
        if not asking:
            s.close()
        s.answer("Zolvenar", "alt+y", 20)
        closed_in_order(s)


@harness.UNDER_WM
def test_a_lost_display_saves_the_settings_as_last_seen(binary, wm):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": SETTINGS}, wm=wm) as s:
        prepare(s)
        bounds = s.frame_bounds()
        s.kill_display()
        stored = closed_in_order(s, code=1)
        lines = s.stderr().strip().splitlines()
        assert len(lines) == 1 and "The X11 connection broke" in lines[0], s.stderr()
        assert tuple(int(stored[k]) for k in ("LEFT", "TOP", "WIDTH", "HEIGHT")) == bounds, (stored, bounds)


def test_a_signal_the_window_cannot_serve_ends_the_program_with_its_settings_as_last_seen(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": SETTINGS}) as s:
        prepare(s)
        # The last change an option of the menu, once the run is over: kept as well.
        s.wait_title(harness.DEFAULT_TITLE, 60)
        s.key("Menu")
        s.wait_popup()
        s.key("r")
        s.wait_popup(False)
        # A clipboard owner that never answers holds the closing's look at the clipboard.
        owner = xdisplay.Display(s.display_name)
        try:
            window = owner.screen().root.create_window(0, 0, 1, 1, 0, owner.screen().root_depth)
            window.set_selection_owner(owner.intern_atom("CLIPBOARD"), X.CurrentTime)
            owner.sync()
            s.signal(signal.SIGTERM)
            # Ended as the signal ends a program that does not catch it.
            assert closed_in_order(s, code=-signal.SIGTERM).get("REQUIREEACHSET") == "TRUE", saved(s)
        finally:
            owner.close()


def test_a_lost_wayland_compositor_saves_the_settings_as_last_seen(binary):
    # Nothing to click under Wayland: the stored version is what a save changes.
    with harness.Session(binary, files={"Zolvenar.ini": SETTINGS + "VERSION=0.4\r\n"}, wayland=True) as s:
        s.wait_until(s.wayland_configured, 15, "the window configured by the compositor")
        s.kill_compositor()
        assert s.wait_exit(20) == 1, s.stderr()[-2000:]
        assert saved(s)["VERSION"] == "0.5a", saved(s)
        assert s.stderr().count("The Wayland connection broke") == 1, s.stderr()[-2000:]


if __name__ == "__main__":
    harness.main(globals())
