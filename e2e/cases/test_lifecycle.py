"""The real window: found by title, client size, and a window-manager close;
no display, and Qt's own command-line options; a file-size limit at start; what a
crash leaves behind; a machine out of threads."""

import os
import signal
import subprocess
import sys
import tempfile

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


def test_qt_options_on_the_command_line_are_ignored(binary):
    with harness.Session(binary, args=["-qwindowtitle", "Hacked", "-reverse", "-platform", "offscreen"]) as s:
        s.find_window("Zolvenar 0.5a")
        assert s.title() == "Zolvenar 0.5a", s.title()
        s.close()
        assert s.wait_exit(15) == 0, s.stderr()


def test_start_up_messages_past_a_file_size_limit_end_nothing(binary):
    # Qt's debug messages at start fill standard error's file up to the limit at once.
    limit = 1024
    with harness.Session(binary, file_size_limit=limit, env={"QT_LOGGING_RULES": "qt.*.debug=true"}) as s:
        s.find_window()
        s.close()
        assert s.wait_exit(15) == 0, "exit code %r" % s.wait_exit(0)
        assert len(s.stderr().encode()) == limit, len(s.stderr())


def run_without_a_display(binary, *args, timeout=30, lang="C.UTF-8"):
    env = {k: v for k, v in harness.english_environment().items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["LANG"] = lang
    with tempfile.TemporaryDirectory() as workdir:
        return subprocess.run([os.path.abspath(binary), *args], cwd=workdir, env=env, capture_output=True, text=True,
                              timeout=timeout)


# In German too: the line is printed before there is an application object to translate it.
@harness.rows(english={"lang": "C.UTF-8", "language": "en"}, german={"lang": "de_DE.UTF-8", "language": "de"})
def test_without_a_display_one_line_and_exit_code_one(binary, lang, language):
    done = run_without_a_display(binary, lang=lang)
    lines = done.stderr.splitlines()
    line = "Zolvenar needs a graphical display: %1"
    start = harness.translated_names(language).get(line, line).replace("%1", "")
    assert done.returncode == 1, "exit code %d, stderr: %s" % (done.returncode, done.stderr)
    assert len(lines) == 1 and lines[0].startswith(start), done.stderr


@harness.rows(version={"argument": "--version", "lines": 1, "start": "zolvenar 0.5a\n"},
              help={"argument": "--help", "lines": 5, "start": "Usage: zolvenar"},
              help_in_german={"argument": "--help", "lines": 5, "start": "Aufruf: zolvenar", "lang": "de_DE.UTF-8"},
              version_in_arabic={"argument": "--version", "lines": 1, "start": "zolvenar 0.5a\n", "lang": "ar_EG.UTF-8"})
def test_version_and_help_answer_on_standard_output_without_a_display(binary, argument, lines, start, lang="C.UTF-8"):
    done = run_without_a_display(binary, argument, lang=lang)
    assert (done.returncode, done.stderr) == (0, ""), "exit code %d, stderr: %s" % (done.returncode, done.stderr)
    assert len(done.stdout.splitlines()) == lines and done.stdout.startswith(start), done.stdout


def test_randomness_check_runs_the_generators_without_a_display_and_passes(binary):
    # The check stops its run by itself after 50 s; the rest is margin for a loaded machine.
    done = run_without_a_display(binary, "--check-randomness", timeout=120)
    lines = done.stdout.splitlines()
    assert (done.returncode, done.stderr) == (0, ""), "exit code %d, stderr: %s\n%s" % (
        done.returncode, done.stderr, done.stdout)
    assert lines[0].startswith("Randomness check: 99 generators, 10000 passwords of 16 characters"), done.stdout
    assert lines[1].startswith("Made 10000 passwords from 250000 timer samples in "), done.stdout
    assert lines[2].startswith("Timer samples, most-common-value min-entropy: "), done.stdout
    positions = [line for line in lines if line.startswith("  position ")]
    assert len(positions) == 16 and "not judged" in positions[0], done.stdout
    assert lines[-2].startswith("Judged: at least 1 bit per timer sample; positions 2 to 16"), done.stdout
    assert lines[-1] == "Verdict: pass", done.stdout


def test_a_crash_leaves_no_core_and_the_memory_stays_closed_to_the_same_user(binary):
    with harness.Session(binary, plain_user=True) as s:
        s.find_window()
        with open("/proc/%d/limits" % s.pid()) as f:
            core = [line.split()[4:6] for line in f if line.startswith("Max core file size")]
        assert core == [["0", "0"]], "core limits (soft, hard): %s" % core
        user = ["setpriv", "--reuid=%d" % harness.PLAIN_USER, "--regid=%d" % harness.PLAIN_USER, "--clear-groups"]
        peek = subprocess.run(user + [sys.executable, "-c", "open('/proc/%d/mem', 'rb').close()" % s.pid()],
                              capture_output=True, text=True, timeout=30)
        assert peek.returncode != 0, "another process of the same user opened /proc/%d/mem" % s.pid()
        # Raised from outside by the same user where the system lets it; the machine's own core pattern applies.
        subprocess.run(user + ["prlimit", "--pid", str(s.pid()), "--core=unlimited"], capture_output=True, timeout=30)
        os.kill(s.pid(), signal.SIGSEGV)
        assert s.wait_exit(60) == -signal.SIGSEGV
        cores = [name for name in os.listdir(s.workdir) if name.startswith("core")]
        assert not cores, "a crash left %s" % cores


# Under a process limit, which counts threads: the program's own, the X connection's,
# the watchdog, and Qt's D-Bus and painter threads, with none left for a generator.
RUN = "\r\n".join(["[SETTINGS]", "PASSSTRENGTH=200", "GENERATORS=8", "SAVESETTINGS=TRUE", "SAVED=TRUE"]) + "\r\n"


def test_too_few_threads_to_start_one_line_and_exit_code_one(binary):
    with harness.Session(binary, plain_user=True, nproc=4) as s:
        assert s.wait_exit(20) == 1, s.stderr()
        assert s.stderr().splitlines()[-1] == "Zolvenar cannot start: the system lets it start no more threads", \
            s.stderr()


def test_no_thread_for_a_mouse_sample_stops_the_run_with_one_message(binary):
    # The accessibility bus runs as the program's user and would take the threads the
    # limit leaves: the button is found by name in an unlimited window of the same size.
    with harness.Session(binary, accessible=True, files={"Zolvenar.ini": RUN}) as s:
        s.find_window()
        generate = s.control_center("Click Here to Generate Passwords")
    with harness.Session(binary, files={"Zolvenar.ini": RUN}, plain_user=True, nproc=5) as s:
        s.find_window()
        s.click(*generate)
        s.answer("Brindal Error", "Return")  # no generator could start: the run goes on with the mouse
        for point in harness.LIST_POINTS:
            s.move(*point)
        s.answer("Brindal Error", "Return")  # the first sample stopped the run: no window for the others
        s.wait_title(harness.DEFAULT_TITLE)
        s.signal(signal.SIGTERM)
        assert s.wait_exit(20) == 0, s.stderr()


if __name__ == "__main__":
    harness.main(globals())
