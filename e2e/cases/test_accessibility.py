"""What a screen reader hears, read through a real accessibility bus: the number
boxes named by their labels, the generate button a toggle button, the tool-tip
texts as descriptions."""

import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

import harness

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# Reads the program's tree off the accessibility bus, as a screen reader does, once
# the five number boxes are on it, and prints it as JSON lines. Given a name too,
# it first does the action "Toggle" of the control with that name, as a screen
# reader's command does.
WALKER = r"""
import json, sys, time
import pyatspi

def nodes(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)

def tree():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name in ("zolvenar", "Zolvenar"):
            return list(nodes(app))
    return []

deadline = time.monotonic() + float(sys.argv[1])
while True:
    found = tree()
    if sum(n.getRoleName() == "combo box" for n in found) >= 5 or time.monotonic() > deadline:
        break
    time.sleep(0.2)
if len(sys.argv) > 2:
    actions = [n for n in found if n.name == sys.argv[2]][0].queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("Toggle"))
for n in found:
    print(json.dumps({"name": n.name, "role": n.getRoleName(), "description": n.description,
                      "states": [pyatspi.stateToString(s) for s in n.getState().getStates()]}))
"""

LABELS = ["Minimum Length", "Maximum Length", "Password Count", "Password Strength", "Generators"]
GENERATE = "Click Here to Generate Passwords"


class AccessibilityBus:
    """A private session bus with the accessibility bus launched on it. Each process
    started here leads a process group of its own, which is ended on leaving the
    block, also after a failure: the buses and the registry they start go with it."""

    def __enter__(self):
        self._procs = []
        self.runtime = tempfile.mkdtemp(prefix="zolvenar-e2e-a11y-")
        try:
            bus = self._start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], os.environ,
                              stdout=subprocess.PIPE)
            address = bus.stdout.readline().decode().strip()
            if not address:
                raise harness.HarnessError("the session bus did not start")
            self.env = {"DBUS_SESSION_BUS_ADDRESS": address, "XDG_RUNTIME_DIR": self.runtime}
            # Without a display, so the launcher leaves no bus address on some X server.
            launcher_env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "AT_SPI_BUS_ADDRESS")}
            launcher_env.update(self.env)
            self._start([LAUNCHER, "--launch-immediately"], launcher_env, stdout=subprocess.DEVNULL)
            # Up before the program asks, or the session bus would start a launcher of its own.
            self._wait_for_a11y_bus()
        except BaseException:
            self._stop()
            raise
        return self

    def __exit__(self, *exc):
        self._stop()
        return False

    def _start(self, argv, env, stdout):
        proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=stdout, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        self._procs.append(proc)
        return proc

    def _wait_for_a11y_bus(self):
        # Asking the name's owner before it is there would start a second launcher.
        env = dict(os.environ, **self.env)
        deadline = time.monotonic() + 20
        while True:
            done = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                                   "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                   "string:org.a11y.Bus"], env=env, capture_output=True, timeout=10)
            if done.stdout.split() == [b"boolean", b"true"]:
                return
            if time.monotonic() > deadline or self._procs[-1].poll() is not None:
                raise harness.HarnessError("the accessibility bus launcher did not come up: %r" % done)
            time.sleep(0.1)

    def _stop(self):
        for proc in reversed(self._procs):
            _signal_group(proc, signal.SIGTERM)
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                pass
            _signal_group(proc, signal.SIGKILL)  # whatever of the group outlived its leader
            proc.wait(5)
            if proc.stdout is not None:
                proc.stdout.close()
        self._procs = []
        shutil.rmtree(self.runtime, ignore_errors=True)

    def walk(self, timeout, toggle=None):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "AT_SPI_BUS_ADDRESS")}
        env.update(self.env)
        argv = ["/usr/bin/python3", "-c", WALKER, str(timeout)] + ([toggle] if toggle else [])
        done = subprocess.run(argv, env=env, capture_output=True, timeout=timeout + 30)
        assert done.returncode == 0, done.stderr.decode(errors="replace")
        return [json.loads(line) for line in done.stdout.decode().splitlines()]


def _signal_group(proc, sig):
    try:
        os.killpg(proc.pid, sig)
    except ProcessLookupError:
        pass


def only(tree, name, role=None):
    found = [n for n in tree if n["name"] == name and role in (None, n["role"])]
    assert len(found) == 1, (name, role, found)
    return found[0]


def test_screen_reader_hears_names_roles_and_tips(binary):
    with AccessibilityBus() as bus:
        env = dict(bus.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        with harness.Session(binary, env=env) as s:
            s.find_window()
            tree = bus.walk(30)
            assert tree, "the program is not on the accessibility bus"
            boxes = [n for n in tree if n["role"] == "combo box"]
            assert sorted(n["name"] for n in boxes) == sorted(LABELS), boxes
            assert only(tree, "Password Strength", "combo box")["description"] == (
                "Increase value for stronger passwords, decrease to generate passwords quicker.")
            assert only(tree, "Save to File")["description"] == "Save all passwords to a text file"

            # Qt's bridge of this release sends no toggle-button role: a toggle
            # button reaches the bus as a push button that is pressed while on.
            generate = only(tree, GENERATE)
            assert generate["role"] in ("toggle button", "push button"), generate
            assert generate["description"] == "Click to start generating passwords", generate
            assert "pressed" not in generate["states"] and "checked" not in generate["states"], generate
            bus.walk(30, toggle=GENERATE)  # starts a run, as a click does
            s.wait_title("Zolvenar - 0%", 15)
            generate = only(bus.walk(30), GENERATE)
            assert "pressed" in generate["states"] and "checked" in generate["states"], generate
            s.click(*harness.AT_COLLAPSED["checkGen"])
            s.wait_title(harness.DEFAULT_TITLE, 15)

            s.close()
            assert s.wait_exit(15) == 0, s.stderr()


if __name__ == "__main__":
    harness.main(globals())
