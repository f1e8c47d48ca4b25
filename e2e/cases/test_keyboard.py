"""Typing into a numeric box on the real window under other keyboard layouts: a
symbol passes neither from a key of its own nor with Shift or AltGr on a digit key."""

import subprocess

import harness

PASS_COUNT = "Password Count"


def set_layout(s, layout, variant=""):
    """Switches the display's keyboard layout, as a desktop's layout switcher does."""
    subprocess.run(["setxkbmap", "-display", s.display_name, layout, "-variant", variant], check=True,
                   capture_output=True, timeout=10)
    query = subprocess.run(["setxkbmap", "-display", s.display_name, "-query"], check=True, capture_output=True,
                           timeout=10).stdout.decode()
    assert "layout:     %s\n" % layout in query, query


def focused_text(s):
    """The focused box's text, as Ctrl+A, Ctrl+C in it puts it on the clipboard."""
    marker = "<nothing copied>"
    s.set_clipboard(marker)
    s.key("ctrl+a", "ctrl+c")
    return s.wait_until(lambda: s.clipboard() != marker and s.clipboard(), 10, "the box's text on the clipboard")


# '#' is Shift+3 on a US keyboard but has a key of its own on British and German
# ones; '§' is Shift+3 and '{' AltGr+7 on a German keyboard. The keypad's digits
# count as the digit keys, its '+' does not. Arabic and Persian layouts type their
# own digits on the digit keys; the box holds them as ASCII digits.
@harness.rows(us_shift_digit_key={"layout": "us", "text": "1#2"},
              us_keypad={"layout": "us", "keys": ("KP_1", "KP_Add", "KP_9", "KP_0"), "expected": "190"},
              gb_key_of_its_own={"layout": "gb", "text": "1#2"},
              de_key_of_its_own={"layout": "de", "text": "1#2"},
              de_shift_digit_key={"layout": "de", "text": "1\u00a72"},
              de_altgr_digit_key={"layout": "de", "text": "1{2"},
              arabic_digits={"layout": "ara", "variant": "digits", "keys": ("Arabic_1", "exclam", "Arabic_2")},
              persian_digits={"layout": "ir", "keys": ("Farsi_1", "Farsi_2")})
def test_only_digits_reach_a_numeric_box(binary, layout, variant="", text="", keys=(), expected="12"):
    with harness.Session(binary, accessible=True) as s:
        s.find_window()
        # Switched while the program runs: it must follow the layout of the moment.
        set_layout(s, layout, variant)
        s.click_control(PASS_COUNT, "combo box")
        s.key("ctrl+a")
        if keys:
            s.key(*keys)
        else:
            s.type(text)
        typed = focused_text(s)
        assert typed == expected, typed
        s.close()
        assert s.wait_exit(15) == 0, s.stderr()


if __name__ == "__main__":
    harness.main(globals())
