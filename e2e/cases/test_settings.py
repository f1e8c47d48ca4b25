"""Zolvenar.ini applied at start-up and written back on close, hand edits kept."""

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

CHECK_SYMBOL = (12, 86)  # the "Symbols" box in the left column


def check_settings_position(client_width):
    # The right column follows the numeric boxes, a fifth of the width from the right edge.
    label_x = client_width - 4 - client_width // 5 - 128
    return label_x + 8, 186


def crlf(text):
    return text.replace("\n", "\r\n").encode()


def test_prepared_file_applied_then_full_save_keeps_hand_edits(binary):
    with harness.Session(binary, files={"Zolvenar.ini": PREPARED}) as s:
        s.find_window()
        # The stored bounds are applied before the window first appears.
        s.wait_until(lambda: s.client_size() == (700, 500), 10, "client size 700x500")
        s.wait_until(lambda: s.client_origin() == (100, 80), 10, "window at 100,80")
        s.click(*CHECK_SYMBOL)
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
        "MAXIMIZED=FALSE\n"
        "CLEARCLIPBOARD=FALSE\n"
        "[Tail]\n"
        "x=1\n"
    )
    assert saved == expected, "saved file:\n%s" % saved.decode(errors="replace")


def test_unticking_save_settings_changes_only_that_key(binary):
    prepared = PREPARED.replace("RESTOREWINDOW=TRUE\nLEFT=100\nTOP=80\nWIDTH=700\nHEIGHT=500\n", "")
    with harness.Session(binary, files={"Zolvenar.ini": prepared}) as s:
        s.find_window()
        width, height = s.wait_until(lambda: s.client_size(), 10, "the client size")
        # Without stored bounds the window opens centred; Xvfb has no window frames.
        screen_width, screen_height = s.screen_size()
        assert s.client_origin() == ((screen_width - width) // 2, (screen_height - height) // 2), s.client_origin()
        s.click(*check_settings_position(width))
        s.close()
        assert s.wait_exit(15) == 0, s.stderr()
        saved = s.read_file("Zolvenar.ini", binary=True)

    assert saved == crlf(prepared.replace("SAVESETTINGS=TRUE", "SAVESETTINGS=FALSE")), \
        "saved file:\n%s" % saved.decode(errors="replace")


if __name__ == "__main__":
    harness.main(globals())
