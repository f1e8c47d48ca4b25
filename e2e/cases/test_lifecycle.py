"""The real window: found by title, client size, and a window-manager close."""

import harness


def test_window_found_by_title_with_client_size(binary):
    with harness.Session(binary) as s:
        s.find_window("Zolvenar 0.5a")
        size = s.wait_until(lambda: s.client_size() == (632, 447) and s.client_size(), 10, "client size 632x447")
        assert size == (632, 447), "client size %r" % (size,)
        s.close()
        assert s.wait_exit(15) == 0, "exit code %r, stderr: %s" % (s.wait_exit(0), s.stderr())


def test_close_request_ends_quietly_with_exit_code_zero(binary):
    with harness.Session(binary) as s:
        s.find_window()
        s.close()
        code = s.wait_exit(15)
        assert code == 0, "exit code %d, stderr: %s" % (code, s.stderr())
        assert s.stdout() == "", "unexpected output: %r" % s.stdout()


if __name__ == "__main__":
    harness.main(globals())
