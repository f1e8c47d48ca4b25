"""The window in the desktop's language, as LANG asks for it: the same steps in
English, German and Arabic, each control found by the name the window shows in
that language; Arabic is written right to left, so the window is mirrored."""

import harness

GENERATE = "Click Here to Generate Passwords"
RUNNING = "Move the mouse around in this window or click here to stop"


@harness.rows(english={"lang": "en_US.UTF-8", "language": "en"},
              german={"lang": "de_DE.UTF-8", "language": "de"},
              arabic={"lang": "ar_EG.UTF-8", "language": "ar"})
def test_a_run_started_and_stopped_in_the_desktops_language(binary, lang, language):
    names = harness.translated_names(language)
    names["Zolvenar - 0%"] = names.get("Zolvenar - %1%", "Zolvenar - %1%").replace("%1", "0")
    with harness.Session(binary, accessible=True, env={"LANG": lang}, names=names) as s:
        s.find_window()
        controls = s.controls()
        generators, lowercase = controls.get("Generators", "combo box"), controls.get("Lowercase", "text")
        if language == "ar":  # the number boxes stand left of the sets
            assert generators.x + generators.width <= lowercase.x, (generators, lowercase)
        else:
            assert lowercase.x + lowercase.width <= generators.x, (generators, lowercase)
        assert controls.get("Generated Passwords", "list")
        # The button's name is its caption, idle and during the run it stops.
        s.click_control(GENERATE)
        s.wait_title("Zolvenar - 0%", 15)
        s.click_control(RUNNING)
        s.wait_title(harness.DEFAULT_TITLE, 15)
        s.control(GENERATE)
        s.close()
        assert s.wait_exit(15) == 0, s.stderr()


if __name__ == "__main__":
    harness.main(globals())
