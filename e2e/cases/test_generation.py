"""Password generation in the real window: mouse samples under Xvfb, also at twice
the scale, generators finishing a run alone, and closing during a 99-generator run."""

import time

import harness

ALPHANUMERIC = set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")

GENERATE, COPY = "Click Here to Generate Passwords", "Copy to Clipboard"
LIST_POINTS = harness.LIST_POINTS


def settings(length, count, strength, generators):
    lines = ["[SETTINGS]", "LOWERCASEENABLED=TRUE", "UPPERCASEENABLED=TRUE", "NUMBERENABLED=TRUE",
             "SYMBOLENABLED=FALSE", "SIMILARENABLED=FALSE", "INCLUDECUSTOMENABLED=FALSE",
             "EXCLUDECUSTOMENABLED=FALSE", "MINLENGTH=%d" % length, "MAXLENGTH=%d" % length,
             "PASSCOUNT=%d" % count, "PASSSTRENGTH=%d" % strength, "GENERATORS=%d" % generators,
             "CLEARCLIPBOARD=FALSE", "SAVESETTINGS=FALSE", "SAVED=TRUE"]
    return "\r\n".join(lines) + "\r\n"


def scaled(point, scale):
    """The harness moves in device pixels; the window lays itself out in logical ones."""
    return point[0] * scale, point[1] * scale


def start(s, scale=1):
    s.find_window()
    s.wait_until(lambda: s.client_size() == scaled((632, 447), scale), 10, "the start-up client size")
    s.click_control(GENERATE)


def answer_yes(s, caption):
    """Presses Yes in the real question box with this caption (No is its default)."""
    main_window = s.window
    s.find_window(caption, 15)
    s.key("alt+y")
    s.window = main_window


def copied_passwords(s, count):
    s.click_control(COPY)
    text = s.wait_until(lambda: s.clipboard().count("\r\n") == count - 1 and s.clipboard(), 10,
                        "%d passwords on the clipboard" % count)
    return text.split("\r\n")


def test_mouse_moves_make_three_passwords(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(8, 3, 25, 0)}) as s:
        start(s)
        answer_yes(s, "Brindal")
        s.wait_title("Zolvenar - 0%", 15)
        # Strength 25 and 8 characters: 25 samples a password, 75 in all.
        moves = 0
        while s.title() != harness.DEFAULT_TITLE:
            assert moves < 400, "title still %r after %d moves" % (s.title(), moves)
            s.move(*LIST_POINTS[moves % len(LIST_POINTS)])
            moves += 1
        assert moves >= 75, "the run ended after only %d moves" % moves
        passwords = copied_passwords(s, 3)
        assert all(len(p) == 8 and set(p) <= ALPHANUMERIC for p in passwords), passwords
        s.close()
        assert s.wait_exit(15) == 0


def test_mouse_travel_is_measured_in_logical_pixels_at_twice_the_scale(binary):
    # At scale 2 a sample needs 32 logical pixels of travel, 64 on the screen.
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(8, 2, 25, 0)},
                         env={"QT_SCALE_FACTOR": "2"}) as s:
        start(s, 2)
        answer_yes(s, "Brindal")
        s.wait_title("Zolvenar - 0%", 15)
        # Back and forth by 20 logical pixels (40 on the screen): no sample, bar the
        # first move's as the pointer arrives from the button.
        for i in range(30):
            s.move(*scaled((100 + 20 * (i % 2), 200), 2))
        # Back and forth by 40 logical pixels: a sample each. 25 samples a password, 50 in all.
        moves = 0
        while s.title() != harness.DEFAULT_TITLE:
            assert moves < 400, "title still %r after %d moves" % (s.title(), moves)
            s.move(*scaled((300 + 40 * (moves % 2), 200), 2))
            moves += 1
        assert moves >= 49, "the run ended after only %d long moves" % moves
        passwords = copied_passwords(s, 2)
        assert all(len(p) == 8 and set(p) <= ALPHANUMERIC for p in passwords), passwords
        s.close()
        assert s.wait_exit(15) == 0


def test_generators_finish_a_run_with_the_pointer_still(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(16, 3, 200, 4)}) as s:
        # The run takes about a second and a half: a poll for its progress title could miss it.
        s.find_window()
        watch = s.watch_title()
        start(s)
        watch.wait_for(harness.DEFAULT_TITLE, 60)
        passwords = copied_passwords(s, 3)
        assert all(len(p) == 16 and set(p) <= ALPHANUMERIC for p in passwords), passwords
        s.close()
        assert s.wait_exit(15) == 0


def test_closing_during_a_99_generator_run_exits_cleanly(binary):
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": settings(16, 65535, 9999, 99)}) as s:
        start(s)
        s.wait_title(r"^Zolvenar - \d+%$", 15, regex=True)
        time.sleep(0.5)
        s.close()
        answer_yes(s, "Zolvenar")
        code = s.wait_exit(15)
        assert code == 0, "exit code %d, stderr: %s" % (code, s.stderr())


if __name__ == "__main__":
    harness.main(globals())
