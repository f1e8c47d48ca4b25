"""What a screen reader hears, read through a real accessibility bus: the number
boxes named by their labels, the generate button a toggle button, the tool-tip
texts as descriptions, the strength line with its figure; and where the bus
places the controls, which the other cases rely on to find them."""

import harness

LABELS = ["Minimum Length", "Maximum Length", "Password Count", "Password Strength", "Generators"]
GENERATE = "Click Here to Generate Passwords"
RUNNING = "Move the mouse around in this window or click here to stop"  # its name during a run
STRENGTH_TIP = ("What each password is worth: the smaller of what its minimum length can hold from the characters "
                "left and one bit for each sample that goes into it, or the first alone with system randomness mixed in")


def only(tree, name, role=None):
    found = [n for n in tree if n["name"] == name and role in (None, n["role"])]
    assert len(found) == 1, (name, role, found)
    return found[0]


def test_screen_reader_hears_names_roles_and_tips(binary):
    with harness.Session(binary, accessible=True) as s:
        s.find_window()
        tree = s.accessible_tree()
        assert tree, "the program is not on the accessibility bus"
        boxes = [n for n in tree if n["role"] == "combo box"]
        assert sorted(n["name"] for n in boxes) == sorted(LABELS), boxes
        assert only(tree, "Password Strength", "combo box")["description"] == (
            "Increase value for stronger passwords, decrease to generate passwords quicker.")
        assert only(tree, "Save to File")["description"] == "Save all passwords to a text file"
        # The strength line is read with its figure, and how that is made.
        strength = [n for n in tree if n["description"] == STRENGTH_TIP]
        assert len(strength) == 1, strength
        assert strength[0]["name"] == "80 bits each, limited by length", strength  # the defaults

        # Qt's bridge of this release sends no toggle-button role: a toggle
        # button reaches the bus as a push button that is pressed while on.
        generate = only(tree, GENERATE)
        assert generate["role"] in ("toggle button", "push button"), generate
        assert generate["description"] == "Click to start generating passwords", generate
        assert "pressed" not in generate["states"] and "checked" not in generate["states"], generate
        s.do_action(GENERATE, "Toggle")  # starts a run, as a click does
        s.wait_title("Zolvenar - 0%", 15)
        generate = only(s.accessible_tree(), RUNNING)
        assert "pressed" in generate["states"] and "checked" in generate["states"], generate
        s.click_control(RUNNING)
        s.wait_title(harness.DEFAULT_TITLE, 15)

        s.close()
        assert s.wait_exit(15) == 0, s.stderr()


@harness.rows(**{"%s, scale %s" % ("openbox" if wm else "bare", scale): {"wm": wm, "scale": scale}
                 for wm in (False, True) for scale in ("1", "2")})
def test_the_bus_places_the_window_where_the_display_shows_it(binary, wm, scale):
    # The bus gives screen coordinates in the window's own pixels: scaled, they must be
    # the client area as the X server has it, frame or none, and hold every control.
    with harness.Session(binary, accessible=True, wm=wm, env={"QT_SCALE_FACTOR": scale}) as s:
        s.find_window()
        size = tuple(v * int(scale) for v in (632, 447))
        s.wait_until(lambda: s.client_size() == size, 10, "the start-up client size")
        controls = s.controls()
        window = controls.get(harness.DEFAULT_TITLE)
        assert (window.x, window.y, window.width, window.height) == (0, 0) + size, window
        inside = [c for c in controls if c.x >= 0 and c.y >= 0 and c.x + c.width <= size[0]
                  and c.y + c.height <= size[1]]
        assert len(controls) > 30 and inside == list(controls), [c for c in controls if c not in inside]
        s.close()
        assert s.wait_exit(15) == 0, s.stderr()


if __name__ == "__main__":
    harness.main(globals())
