"""The results list after a real run: copy, save through the real dialog, and the
clipboard at exit."""

import os
import shutil
import signal
import tempfile
import time

import harness

PASSWORDS = 5
LENGTH = 16

# Strong enough that no weak-settings question appears; eight generators make the
# passwords from timer samples, so no mouse movement is needed.
def settings(clear_clipboard, clear_after=0):
    lines = ["[SETTINGS]", "MINLENGTH=%d" % LENGTH, "MAXLENGTH=%d" % LENGTH, "PASSCOUNT=%d" % PASSWORDS,
             "PASSSTRENGTH=200", "GENERATORS=8", "CLEARCLIPBOARD=%s" % ("TRUE" if clear_clipboard else "FALSE"),
             "CLEARCLIPBOARDAFTER=%d" % clear_after, "SAVESETTINGS=FALSE", "SAVED=TRUE"]
    return "\r\n".join(lines) + "\r\n"


GENERATE, COPY, SAVE = "Click Here to Generate Passwords", "Copy to Clipboard", "Save to File"
# Clipboard managers keep out of their history what carries this target.
SECRET_HINT = "x-kde-passwordManagerHint"


def generate(s):
    s.find_window()
    s.wait_until(lambda: s.client_size() == (632, 447), 10, "the start-up client size")
    # The run takes about a second: a poll for its progress title could miss it.
    watch = s.watch_title()
    s.click_control(GENERATE)
    watch.wait_for(harness.DEFAULT_TITLE, 60)


def copy_passwords(s):
    s.click_control(COPY)
    text = s.wait_until(lambda: "\r\n" in s.clipboard() and s.clipboard(), 10, "the passwords on the clipboard")
    passwords = text.split("\r\n")
    assert len(passwords) == PASSWORDS, "clipboard %r" % text
    assert all(len(p) == LENGTH and p.strip() == p for p in passwords), "clipboard %r" % text
    return text


def test_copy_and_save_give_the_same_crlf_text(binary):
    toolkit_settings = tempfile.mkdtemp(prefix="zolvenar-e2e-config-")
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(False)},
                         env={"XDG_CONFIG_HOME": toolkit_settings}) as s:
        generate(s)
        copied = copy_passwords(s)
        # Kept after exit on purpose: a clipboard manager may keep it too.
        assert SECRET_HINT not in s.clipboard_targets(), s.clipboard_targets()

        main_window = s.window
        target = os.path.join(tempfile.mkdtemp(prefix="zolvenar-e2e-save-"), "saved")
        s.click_control(SAVE)
        s.find_window("Save passwords as...", 15)
        s.key("ctrl+a")
        s.type(target)  # no extension: the dialog adds ".txt"
        s.key("Return")
        s.window = main_window
        saved_path = target + ".txt"
        s.wait_until(lambda: os.path.exists(saved_path) and os.path.getsize(saved_path) == len(copied), 15,
                     "the saved file")
        with open(saved_path, "rb") as f:
            assert f.read() == copied.encode("ascii")
        assert os.stat(saved_path).st_mode & 0o777 == 0o600

        # Copied and saved: closing asks nothing.
        s.close()
        assert s.wait_exit(15) == 0, "the window did not close without a question"
    assert os.listdir(toolkit_settings) == [], "the save dialog left %s" % os.listdir(toolkit_settings)


def newest_window(s, title, count=2):
    """A box a dialog opens over itself carries the dialog's title; the newer window
    has the higher id."""
    return max(s.wait_until(lambda: len(s.visible_windows(title)) >= count and s.visible_windows(title), 15,
                            "%d windows titled %r" % (count, title)))


def save_as(s, path):
    s.click_control(SAVE)
    s.find_window("Save passwords as...", 15)
    s.key("ctrl+a")
    s.type(path)
    s.key("Return")


def test_save_refuses_another_users_link_in_a_shared_directory(binary):
    other = harness.PLAIN_USER - 1
    shared = tempfile.mkdtemp(prefix="zolvenar-e2e-shared-")
    theirs = tempfile.mkdtemp(prefix="zolvenar-e2e-theirs-")
    try:
        os.chmod(shared, 0o1777)  # as the system's temporary directory is
        os.chmod(theirs, 0o755)
        os.chown(theirs, other, other)
        target = os.path.join(theirs, "planted.txt")
        with open(target, "w") as f:
            f.write("theirs")
        os.chmod(target, 0o666)
        os.chown(target, other, other)
        link = os.path.join(shared, "Password.txt")
        os.symlink(target, link)
        os.lchown(link, other, other)
        with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(False)}, plain_user=True) as s:
            generate(s)
            main_window = s.window
            save_as(s, link)
            s.window = newest_window(s, "Save passwords as...")  # Qt's "replace it?"
            s.key("alt+y")
            s.window = main_window
            s.answer("Zolvenar", "alt+c")  # the error window's Continue
            # Still unsaved: closing asks first.
            s.close()
            s.answer("Zolvenar", "alt+y")
            assert s.wait_exit(15) == 0, s.stderr()
        with open(target) as f:
            assert f.read() == "theirs"
        assert os.listdir(theirs) == ["planted.txt"], os.listdir(theirs)
    finally:
        shutil.rmtree(shared)
        shutil.rmtree(theirs)


def test_save_dialog_reads_no_file_it_lists(binary):
    # Run as root, the program could read /proc/kmsg, which blocks until the kernel logs.
    workdir = tempfile.mkdtemp(prefix="zolvenar-e2e-strace-")
    try:
        log = os.path.join(workdir, "opened")
        traced = os.path.join(workdir, "traced")
        with open(traced, "w") as f:
            # Threads followed, programs it starts (a session bus) left alone.
            f.write('#!/bin/sh\nexec strace -f -b execve -qq -e trace=open,openat -o %s %s "$@"\n'
                    % (log, os.path.abspath(binary)))
        os.chmod(traced, 0o755)
        with harness.Session(traced, accessible=True, files={"Zolvenar.ini": settings(False)}) as s:
            generate(s)
            main_window = s.window
            save_as(s, "/proc")  # the dialog lists /proc
            s.key("ctrl+a")
            s.type("/proc/version")
            s.key("Return")
            s.window = main_window
            s.answer("Zolvenar", "alt+c")  # "/proc/version.txt" cannot be made
            s.close()
            s.answer("Zolvenar", "alt+y")
            assert s.wait_exit(15) == 0, s.stderr()
        with open(log) as f:
            opened = [line for line in f if '"/proc/kmsg"' in line or '"/proc/version"' in line]
        assert opened == [], opened
    finally:
        shutil.rmtree(workdir)


def test_clear_on_exit_empties_our_passwords(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(True)}) as s:
        generate(s)
        first = copy_passwords(s).split("\r\n")[0]
        assert SECRET_HINT in s.clipboard_targets(), s.clipboard_targets()
        # The list's own copy key goes the same way: marked, and emptied at exit.
        s.click(*s.item_center("Generated Passwords", 0))
        s.key("ctrl+c")
        s.wait_until(lambda: s.clipboard() == first, 10, "the first password alone on the clipboard")
        assert SECRET_HINT in s.clipboard_targets(), s.clipboard_targets()
        watch = harness.ClipboardOwnerWatch(s.display_name)
        try:
            s.close()
            assert s.wait_exit(15) == 0
            assert watch.changes() > 0, "the clipboard was not replaced at exit"
        finally:
            watch.close()
        assert s.clipboard() == ""


def test_clear_on_exit_keeps_text_copied_elsewhere(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(True)}) as s:
        generate(s)
        copy_passwords(s)
        s.set_clipboard("copied from another program")
        watch = harness.ClipboardOwnerWatch(s.display_name)
        try:
            s.close()
            assert s.wait_exit(15) == 0
            assert watch.changes() == 0, "the program took the clipboard at exit"
        finally:
            watch.close()
        assert s.clipboard() == "copied from another program"


def countdown(s):
    """The names of the countdown lines showing, as a screen reader hears them."""
    return [c.name for c in s.controls() if c.name.startswith("Clipboard clears in ")]


def test_clear_after_ten_seconds_takes_only_our_copy_and_asks_at_close(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(False, 10)}) as s:
        generate(s)
        copied = copy_passwords(s)
        assert SECRET_HINT in s.clipboard_targets(), s.clipboard_targets()
        assert s.clipboard("primary") != copied, "the passwords went into PRIMARY too"
        assert countdown(s) in (["Clipboard clears in 10 s"], ["Clipboard clears in 9 s"]), countdown(s)
        # Copied over by another program: left alone when the delay runs out.
        s.set_clipboard("copied from another program")
        time.sleep(11)
        assert s.clipboard() == "copied from another program"
        assert countdown(s) == [], countdown(s)

        copy_passwords(s)
        s.wait_until(lambda: s.clipboard() == "", 15, "the clipboard emptied after 10 s")
        assert countdown(s) == [], countdown(s)
        # The passwords were on the clipboard only: closing asks again.
        s.close()
        s.answer("Zolvenar", "alt+y")
        assert s.wait_exit(15) == 0, s.stderr()


def test_under_weston_the_clear_takes_the_copy_from_a_window_without_the_focus(binary):
    with harness.Session(binary, accessible=True, wayland="seat", files={"Zolvenar.ini": settings(False, 10)}) as s:
        s.wait_until(s.wayland_configured, 15, "the window configured by the compositor")
        s.do_action(GENERATE, "Toggle")

        def copied():
            try:
                s.do_action(COPY, "Press")
            except harness.HarnessError:
                return False  # a disabled button has no action: the run is not over
            return True

        # Once: a client that had no input since takes no second selection in weston.
        s.wait_until(copied, 60, "the run to end and the copy")
        text = s.wait_until(s.wayland_clipboard, 10, "the passwords on the Wayland clipboard")
        assert text.count("\r\n") == PASSWORDS - 1, text
        s.start_wayland_client("weston-simple-shm")  # a window that takes the focus
        s.wait_until(lambda: not s.keyboard_focused(), 15, "the window to lose the focus")
        time.sleep(11)
        assert not s.keyboard_focused()
        assert s.wayland_clipboard() == ""
        # Ended without the focus: weston's own keeper hands out what it kept of the
        # copy, the secret marker alone.
        s.signal(signal.SIGTERM)
        assert s.wait_exit(15) == 0, s.stderr()[-2000:]
        assert text.split("\r\n")[0] not in s.wayland_clipboard()


if __name__ == "__main__":
    harness.main(globals())
