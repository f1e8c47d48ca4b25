"""A new user's journey through the real window: the first start, settings kept
between starts, generating with the mouse and with generators, stopping a run,
copy, save and delete, the closing question and the clipboard at exit. Options are
set through the controls, as a user sets them, never through a prepared file.
Every case runs on a bare display and again under a window manager."""

import os
import re
import shutil
import tempfile

import harness

IDLE = harness.DEFAULT_TITLE
DEFAULT_POOL = set("abcdefghijklmnopqrstuvwxyz0123456789")

# Controls by their accessible names. A set's text box shares its check box's name
# and a number box its caption's, so those are asked for with their roles too.
NUMBER_BOX, TEXT_BOX, CHECK_BOX = "combo box", "text", "check box"
NUMBER_BOXES = MIN_LENGTH, MAX_LENGTH, PASS_COUNT, STRENGTH, GENERATORS = (
    "Minimum Length", "Maximum Length", "Password Count", "Password Strength", "Generators")
LOWER, NUMBERS, SYMBOLS = "Lowercase", "Numbers", "Symbols"
CLEAR_CLIPBOARD, SAVE_SETTINGS = "Clear Clipboard on Exit", "Save Settings on Exit"
GENERATE, LIST = "Click Here to Generate Passwords", "Generated Passwords"
RUNNING = "Move the mouse around in this window or click here to stop"  # the generate button during a run
SELECT_ALL, DELETE, COPY, SAVE = "Select All", "Delete Selected", "Copy to Clipboard", "Save to File"
LIST_POINTS = harness.LIST_POINTS


def session(binary, **options):
    return harness.Session(binary, accessible=True, **options)


class Workdir:
    """One temporary working directory shared by the starts of a case."""

    def __enter__(self):
        self.path = tempfile.mkdtemp(prefix="zolvenar-journey-")
        return self.path

    def __exit__(self, *exc):
        shutil.rmtree(self.path, ignore_errors=True)
        return False


def centred(s):
    left, top, width, height = s.frame_bounds()
    screen_width, screen_height = s.screen_size()
    return (left, top) == ((screen_width - width) // 2, (screen_height - height) // 2)


def shown(s):
    s.find_window()
    s.wait_until(lambda: s.client_size() == (632, 447), 10, "the start-up client size")
    # Every start here is centred; under a window manager, once the frame is known.
    s.wait_until(lambda: centred(s), 10, "the window centred, frame included")


def copy_from(s, point):
    """The text of the box at point as Ctrl+A, Ctrl+C in it puts it on the clipboard."""
    marker = "<nothing copied>"
    s.set_clipboard(marker)
    s.click(*point)
    s.key("ctrl+a", "ctrl+c")
    return s.wait_until(lambda: s.clipboard() != marker and s.clipboard(), 10, "the box's text on the clipboard")


def type_into(s, box, text):
    s.click_control(box, NUMBER_BOX)
    s.key("ctrl+a")
    s.type(text)


def park_pointer(s):
    """Moves the pointer off the window, so no mouse sample can reach the run."""
    left, top, _, _ = s.frame_bounds()
    ox, oy = s.client_origin()
    assert left > 2 and top > 2, "no room beside the window at %d,%d" % (left, top)
    s.move(2 - ox, 2 - oy)


def generate_with_generators(s, count, generators=8):
    """Starts a run fed by generators alone, strong enough that nothing is asked;
    the returned watch sees the run end however short it is."""
    type_into(s, PASS_COUNT, str(count))
    type_into(s, STRENGTH, "200")
    type_into(s, GENERATORS, str(generators))
    watch = s.watch_title()
    s.click_control(GENERATE)
    park_pointer(s)
    return watch


def copied_list(s):
    """Copy to Clipboard, then the passwords it put there."""
    marker = "<before the copy>"
    s.set_clipboard(marker)
    s.click_control(COPY)
    text = s.wait_until(lambda: s.clipboard() != marker and s.clipboard(), 10, "the passwords on the clipboard")
    return text.split("\r\n")


def expect_passwords(passwords, count, length):
    assert len(passwords) == count, "%d passwords instead of %d: %r" % (len(passwords), count, passwords)
    assert all(len(p) == length and set(p) <= DEFAULT_POOL for p in passwords), passwords


def close_and_exit(s):
    s.close()
    code = s.wait_exit(15)
    assert code == 0, "exit code %d, stderr: %s" % (code, s.stderr())


def first_full_save(bounds):
    left, top, width, height = bounds
    lines = ["[SETTINGS]", "VERSION=0.5a", "LOWERCASEENABLED=TRUE", "UPPERCASEENABLED=FALSE", "NUMBERENABLED=TRUE",
             "SYMBOLENABLED=FALSE", "SIMILARENABLED=FALSE", "INCLUDECUSTOMENABLED=FALSE", "EXCLUDECUSTOMENABLED=FALSE",
             "LOWERCASESET=abcdefghijklmnopqrstuvwxyz", "UPPERCASESET=ABCDEFGHIJKLMNOPQRSTUVWXYZ",
             "NUMBERSET=0123456789", "SYMBOLSET=!@#$%&^*-+=<>?/", "SIMILARSET=1iIjl0oO!5S2Z", "INCLUDECUSTOMSET=",
             "EXCLUDECUSTOMSET=", "MINLENGTH=16", "MAXLENGTH=16", "PASSCOUNT=10", "PASSSTRENGTH=100", "GENERATORS=0",
             "MAXIMIZED=FALSE", "LEFT=%d" % left, "TOP=%d" % top, "WIDTH=%d" % width, "HEIGHT=%d" % height,
             "CLEARCLIPBOARD=FALSE", "RESTOREWINDOW=FALSE", "SAVESETTINGS=TRUE", "SAVED=TRUE"]
    return ("\r\n".join(lines) + "\r\n").encode()


@harness.UNDER_WM
def test_first_start_is_centred_with_defaults_and_writes_nothing(binary, wm):
    with Workdir() as workdir:
        with session(binary, workdir=workdir, wm=wm) as s:
            shown(s)
            left, top, width, height = s.frame_bounds()
            screen_width, screen_height = s.screen_size()
            assert (left, top) == ((screen_width - width) // 2, (screen_height - height) // 2), \
                "window at %d,%d, %dx%d on a %dx%d screen" % (left, top, width, height, screen_width, screen_height)
            found = s.controls()  # clicks and keys in the boxes move nothing
            texts = [copy_from(s, found.center(box, NUMBER_BOX)) for box in NUMBER_BOXES]
            assert texts == ["16", "16", "10", "100", "0"], texts
            assert copy_from(s, found.center(LOWER, TEXT_BOX)) == "abcdefghijklmnopqrstuvwxyz"
            assert copy_from(s, found.center(NUMBERS, TEXT_BOX)) == "0123456789"
            close_and_exit(s)
        assert os.listdir(workdir) == [], "closing wrote %r" % os.listdir(workdir)

        # Still a first start; with saving ticked the close records every control as it started.
        with session(binary, workdir=workdir, wm=wm) as s:
            shown(s)
            bounds = s.frame_bounds()
            s.click_control(SAVE_SETTINGS)
            close_and_exit(s)
            saved = s.read_file("Zolvenar.ini", binary=True)
        assert saved == first_full_save(bounds), "saved file:\n%s" % saved.decode(errors="replace")


@harness.UNDER_WM
def test_changed_options_come_back_at_the_next_start(binary, wm):
    with Workdir() as workdir:
        with session(binary, workdir=workdir, wm=wm) as s:
            shown(s)
            s.click_control(SAVE_SETTINGS)
            type_into(s, MIN_LENGTH, "20")
            s.click_control(NUMBERS, CHECK_BOX)  # leaving the minimum pulls the maximum up to it
            s.click_control(SYMBOLS, CHECK_BOX)
            type_into(s, PASS_COUNT, "3")
            close_and_exit(s)
            first = s.read_file("Zolvenar.ini", binary=True).decode()
        for line in ("MINLENGTH=20", "MAXLENGTH=20", "PASSCOUNT=3", "NUMBERENABLED=FALSE", "SYMBOLENABLED=TRUE",
                     "SAVESETTINGS=TRUE", "SAVED=TRUE"):
            assert line in first.split("\r\n"), "%r missing from:\n%s" % (line, first)

        with session(binary, workdir=workdir, wm=wm) as s:
            shown(s)
            found = s.controls()
            texts = [copy_from(s, found.center(box, NUMBER_BOX)) for box in (MIN_LENGTH, MAX_LENGTH, PASS_COUNT)]
            assert texts == ["20", "20", "3"], texts
            # Saving came back ticked, so this close saves every control again: the
            # same file means every value came back as it was left.
            close_and_exit(s)
            second = s.read_file("Zolvenar.ini", binary=True).decode()
        assert second == first, "first save:\n%s\nsecond save:\n%s" % (first, second)


@harness.UNDER_WM
def test_mouse_moves_make_the_passwords_after_the_weak_settings_question(binary, wm):
    with session(binary, wm=wm) as s:
        shown(s)
        type_into(s, MIN_LENGTH, "8")
        type_into(s, MAX_LENGTH, "8")
        type_into(s, PASS_COUNT, "3")
        type_into(s, STRENGTH, "25")
        s.click_control(GENERATE)
        s.answer("Brindal", "alt+y")
        s.wait_title("Zolvenar - 0%", 15)
        # Strength 25 and 8 characters: 25 samples a password, 75 in all.
        moves = 0
        while s.title() != IDLE:
            assert moves < 400, "title still %r after %d moves" % (s.title(), moves)
            s.move(*LIST_POINTS[moves % len(LIST_POINTS)])
            moves += 1
        assert moves >= 75, "the run ended after only %d moves" % moves
        expect_passwords(copied_list(s), 3, 8)
        close_and_exit(s)


@harness.UNDER_WM
def test_generators_finish_a_run_with_the_pointer_still(binary, wm):
    with session(binary, wm=wm) as s:
        shown(s)
        generate_with_generators(s, 3).wait_for(IDLE, 60)
        expect_passwords(copied_list(s), 3, 16)
        close_and_exit(s)


@harness.UNDER_WM
def test_second_click_stops_a_run_half_way(binary, wm):
    requested = 500
    with session(binary, wm=wm) as s:
        shown(s)
        generate_with_generators(s, requested)
        # At 1% five passwords are in; eight generators need two minutes for all of them.
        title = s.wait_title(r"^Zolvenar - [1-9]\d*%$", 30, regex=True)
        done_before_click = int(re.search(r"\d+", title).group()) * requested // 100
        s.click_control(RUNNING)
        s.wait_title(IDLE, 10)
        passwords = copied_list(s)
        assert done_before_click <= len(passwords) < requested, \
            "%d passwords after stopping at %r" % (len(passwords), title)
        expect_passwords(passwords, len(passwords), 16)
        close_and_exit(s)


@harness.UNDER_WM
def test_copy_save_and_delete(binary, wm):
    with session(binary, wm=wm) as s:
        shown(s)
        generate_with_generators(s, 5).wait_for(IDLE, 60)
        passwords = copied_list(s)
        expect_passwords(passwords, 5, 16)

        # The dialog opens in the working directory and adds ".txt" to a bare name.
        main_window = s.window
        s.click_control(SAVE)
        s.find_window("Save passwords as...", 15)
        s.key("ctrl+a")
        s.type("journey")
        s.key("Return")
        s.window = main_window
        expected = "\r\n".join(passwords).encode()
        s.wait_until(lambda: s.exists("journey.txt") and len(s.read_file("journey.txt", binary=True)) == len(expected),
                     15, "journey.txt")
        assert s.read_file("journey.txt", binary=True) == expected

        # The first and the third password, chosen with the mouse and the keyboard.
        s.click(*s.item_center(LIST, 0))
        s.key("ctrl+Down", "ctrl+Down", "ctrl+space")
        s.click_control(DELETE)
        s.answer("Delete Items", "alt+y")
        remaining = copied_list(s)
        assert remaining == [passwords[1]] + passwords[3:], "left %r of %r" % (remaining, passwords)

        # No keeps every password, even with all of them selected.
        s.click_control(SELECT_ALL)
        s.click_control(DELETE)
        s.answer("Delete Items", "alt+n")
        assert copied_list(s) == remaining
        close_and_exit(s)


@harness.UNDER_WM
def test_closing_with_unsaved_passwords_asks_first(binary, wm):
    with session(binary, wm=wm) as s:
        shown(s)
        s.click_control(SAVE_SETTINGS)
        generate_with_generators(s, 2).wait_for(IDLE, 60)

        s.close()
        s.answer("Zolvenar", "alt+n")
        assert s.running(), "the program ended after No"
        assert s.title() == IDLE
        s.close()
        # The first close is over once its box has gone and this one asks again;
        # a cancelled close saved nothing.
        main_window = s.window
        s.find_window("Zolvenar", 15)
        s.window = main_window
        assert not s.exists("Zolvenar.ini"), "a cancelled close saved the settings"
        s.answer("Zolvenar", "alt+y")
        assert s.wait_exit(15) == 0, s.stderr()
        assert s.exists("Zolvenar.ini"), "the confirmed close did not save the settings"


@harness.UNDER_WM
def test_clear_clipboard_on_exit_empties_the_copied_passwords(binary, wm):
    with session(binary, wm=wm) as s:
        shown(s)
        s.click_control(CLEAR_CLIPBOARD)
        generate_with_generators(s, 2).wait_for(IDLE, 60)
        expect_passwords(copied_list(s), 2, 16)
        with harness.ClipboardOwnerWatch(s.display_name) as watch:
            close_and_exit(s)
            assert watch.changes() > 0, "the clipboard was left to go with the program"
        assert s.clipboard() == ""


if __name__ == "__main__":
    harness.main(globals())
