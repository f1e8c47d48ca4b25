"""End-to-end harness: the real zolvenar binary under its own Xvfb display.

A case file looks like this::

    import harness

    def test_starts_and_closes(binary):
        with harness.Session(binary, accessible=True) as s:
            s.find_window()                 # "Zolvenar 0.5a" by default
            s.click_control("Copy to Clipboard")  # found by name, as a screen reader does
            s.click(300, 210)               # client-area coordinates
            s.close()                       # a real WM_DELETE_WINDOW request
            assert s.wait_exit(10) == 0

    if __name__ == "__main__":
        harness.main(globals())

and runs as ``/usr/bin/python3 e2e/cases/test_x.py --binary build/zolvenar``
(ctest sets PYTHONPATH to e2e/). ``main`` runs every ``test_*`` function of the
module, prints one line per case and "N passed, M failed", and exits non-zero
when any case failed. A case decorated with ``@harness.rows(name=kwargs, ...)``
runs once per row, as ``test_x[name]``, with that row's keyword arguments;
``UNDER_WM`` is the pair of rows without and with a window manager (``wm``).

Session(binary, workdir=None, files=None, env=None, wm=False, args=(), plain_user=False,
        session_manager=False, wayland=False, file_size_limit=None, accessible=False, names=None, nproc=None)
    Starts Xvfb on a free display (``-displayfd``, so parallel runs never
    collide), makes a temporary working directory (or uses ``workdir``),
    writes ``files`` ({name: str or bytes}) into it, and starts the binary
    there. With ``wm=True`` openbox manages the display first, so the window
    gets a frame and a title bar as on a desktop; without it the window has
    none. Everything (program, window manager, Xvfb, temporary directories,
    xclip servers) is torn down on exit from the ``with`` block, also after
    a failure. With ``plain_user`` the program runs as user and group 65534
    (``PLAIN_USER``) with the working directory as its home, as on a desktop,
    where root's access to every process would hide what the user's own
    processes may do; with ``nproc`` too, under that process limit (prlimit),
    which counts every thread of the user and binds no root (not with
    ``accessible``, whose bus would run as that user). With ``session_manager``
    xsm runs on the display and the program is its client, as in an X session. With ``wayland`` the program runs
    natively under weston (headless) instead, and ``wayland_configured()`` tells
    when the compositor has configured its window (X11 calls do not reach it);
    with ``wayland="seat"`` weston runs on the session's display with a keyboard
    and a pointer, so it has a clipboard and a focus: ``wayland_clipboard()``,
    ``keyboard_focused()``, ``start_wayland_client(*argv)``.
    With ``file_size_limit`` (bytes) the program runs under that limit, as after
    ``ulimit -f``, its standard output and error going to files as ever.
    With ``accessible`` a private session bus and the accessibility bus run for
    the program (as its user, also with ``plain_user``), which starts with Qt's accessibility bridge on, so the calls
    under Controls find its controls on the bus, by their accessible names, as a
    screen reader does. ``names`` maps the (English) names and titles a case
    uses to those the window shows, for a run in another language (with LANG in
    ``env``; ``translated_names(language)`` reads the table from the program's
    translations); a name not in it is used as it is.

Window:   find_window(title, timeout, regex=False) -> window id, visible_windows(title) -> [window id],
          title(), wait_title(title, timeout, regex=False), watch_title(),
          client_origin(), client_size(), frame_bounds(), screen_size(), focus(),
          maximized(), set_maximized(on)   (the window manager's state),
          popup_open(), wait_popup(open_=True, timeout)   (a menu or drop-down list on the screen)
Boxes:    answer(caption, key="alt+y", timeout) presses a key in the modal box
          with this caption and waits until the box has gone
Controls: (with accessible=True; each call walks the bus afresh, so no place is
          stale after the options fold away; roles are AT-SPI's, e.g. "push button",
          "check box", "text", "combo box", "list")
          control_center(name, role=None, timeout) -> (x, y) in the client area,
          waiting until exactly one control of that name (and role) shows,
          click_control(name, role=None, button=1), control(name, role) -> Control
          (name, role, states, x, y, width, height, center),
          item_center(name, index, role=None) -> (x, y) of an item, e.g. a list row,
          controls() -> Controls: every showing control from one walk, for a batch
          of lookups while nothing moves (.get(name, role), .center(name, role)),
          do_action(name, action, role=None)   (e.g. "Toggle", with no pointer),
          accessible_tree() -> [{name, role, description, states, extents}], hidden
          nodes too. Under Wayland no control has a place on the screen.
Input:    move(x, y), click(x, y, button=1), double_click(x, y),
          key("ctrl+c", ...), type("text")   (x, y relative to the client area;
          positions only where the place itself matters, e.g. LIST_POINTS)
Clipboard: clipboard(selection="clipboard") -> str, clipboard_targets() -> [str], set_clipboard(text),
          ClipboardOwnerWatch(session.display_name).changes(),
          clipboard_manager() -> a running ClipboardManager (wait_asked, release, wait_saved)
Files:    path(name), read_file(name, binary=False), exists(name)
Output:   screenshot(path), stdout(), stderr()   (stdout/stderr once exited)
End:      close(), wait_exit(timeout) -> exit code, running(), pid(), signal(number, taken=False),
          kill_display(), kill_compositor(), end_session(interact)   (xsm's shutdown with a checkpoint),
          dismiss_save_failure()   (xsm's word that a client cancelled it),
          checkpoint(interact)   (xsm's checkpoint: a save, the session goes on),
          kill_session_manager(), cpu_seconds()   (the program's processor time so far)
Waiting:  wait_until(predicate, timeout, what)
"""

import argparse
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

from Xlib import X, display as xdisplay, protocol

DEFAULT_TITLE = "Zolvenar 0.5a"
PLAIN_USER = 65534

# Points of the results list, far enough apart that each move gives a mouse sample.
# Positions on purpose: the samples come from the travel between them, wherever
# the list is; the window's start-up size has the list under all four.
LIST_POINTS = [(100, 120), (300, 220), (500, 140), (200, 320)]

A11Y_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# Answers questions about the program's tree on the accessibility bus, as a screen
# reader asks them (AT-SPI's D-Bus calls): one JSON request a line on standard
# input, one JSON answer a line on standard output. Nothing is cached: every answer
# is read afresh from the program. The calls of one level of the tree go out
# together, so a walk costs a few round trips, not one per call.
BUS_READER = r"""
import json, sys, time, traceback
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib

ACCESSIBLE, COMPONENT, ACTION = ("org.a11y.atspi." + name for name in ("Accessible", "Component", "Action"))
ROOT = "/org/a11y/atspi/accessible/root"
SHOWING = int(Atspi.StateType.SHOWING)
# Roles whose children are items, parts or nothing: a walk for controls does not go
# into them (a long list would cost a call a row). Items are asked for one by one.
NO_DESCENT = {"push button", "toggle button", "check box", "radio button", "label", "progress bar", "text",
              "password text", "list", "combo box", "table", "tree", "tree table", "spin button", "slider",
              "scroll bar", "menu", "menu bar", "page tab list"}

session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
# Asking for the accessibility bus before its launcher owns the name would start a
# second launcher.
deadline = time.monotonic() + 20
while not session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                            "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), GLib.VariantType("(b)"), 0,
                            10000, None).unpack()[0]:
    if time.monotonic() > deadline:
        sys.exit("the accessibility bus launcher did not come up")
    time.sleep(0.01)
address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                            GLib.VariantType("(s)"), 0, 10000, None).unpack()[0]
bus = Gio.DBusConnection.new_for_address_sync(
    address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
    None, None)
print(json.dumps({"ready": True}), flush=True)

def batch(calls):
    # calls: (bus name, object path, interface, method, arguments or None); a failed
    # call answers None, as an object that went away meanwhile does.
    results = [None] * len(calls)
    if not calls:
        return results
    loop, left = GLib.MainLoop(), [len(calls)]

    def done(connection, result, i):
        try:
            results[i] = connection.call_finish(result).unpack()
        except GLib.Error:
            pass
        left[0] -= 1
        if not left[0]:
            loop.quit()

    for i, (name, path, interface, method, args) in enumerate(calls):
        bus.call(name, path, interface, method, args, None, 0, 10000, None, done, i)
    loop.run()
    return results

def prop(name, path, key):
    return (name, path, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (ACCESSIBLE, key)))

def find_app():
    apps = batch([("org.a11y.atspi.Registry", ROOT, ACCESSIBLE, "GetChildren", None)])[0]
    apps = [tuple(a) for a in (apps[0] if apps else [])]
    names = batch([prop(name, path, "Name") for name, path in apps])
    for (name, path), said in zip(apps, names):
        if said and said[0] in ("zolvenar", "Zolvenar"):
            return name, path
    return None

def states(bits):
    return [Atspi.StateType(i).value_nick for i in range(64) if bits[i // 32] >> (i % 32) & 1]

def describe(app, paths, full):
    asks = []
    for path in paths:
        asks += [prop(app, path, "Name"), (app, path, ACCESSIBLE, "GetRoleName", None),
                 (app, path, ACCESSIBLE, "GetState", None)]
        if full:
            asks.append(prop(app, path, "Description"))
    said, step, nodes = batch(asks), 4 if full else 3, []
    for i, path in enumerate(paths):
        name, role, state = said[i * step:i * step + 3]
        if name is None or role is None or state is None:
            continue
        node = {"path": path, "name": name[0], "role": role[0], "states": states(state[0]),
                "showing": bool(state[0][SHOWING // 32] >> (SHOWING % 32) & 1)}
        if full:
            node["description"] = (said[i * step + 3] or [""])[0]
        nodes.append(node)
    return nodes

def place(app, nodes):
    boxes = batch([(app, n["path"], COMPONENT, "GetExtents", GLib.Variant("(u)", (0,))) for n in nodes])
    for node, box in zip(nodes, boxes):
        if box is not None:
            node["extents"] = list(box[0])

def walk(app, request):
    full, wanted = request.get("full", False), request.get("name")
    out, level, depth = [], [ROOT], 0
    while level:
        nodes = describe(app, level, full)
        if not nodes and not depth:
            return None  # the program has left the bus
        for node in nodes:
            node["depth"] = depth
        matched = [n for n in nodes if wanted is None or n["name"] == wanted]
        place(app, [n for n in matched if full or n["showing"]])
        out += matched
        deeper = [n["path"] for n in nodes if full or not depth or n["showing"] and n["role"] not in NO_DESCENT]
        children = batch([(app, path, ACCESSIBLE, "GetChildren", None) for path in deeper])
        level = [child[1] for found in children if found for child in found[0]]
        depth += 1
    return out

known = None  # the program's name on the bus, for the life of the program

def answer(request):
    global known
    if known is None:
        found = find_app()
        if found is None:
            return {"nodes": []}
        known = found[0]
    app = known
    if request["op"] == "walk":
        nodes = walk(app, request)
        if nodes is None:
            known = None
        return {"nodes": nodes or []}
    path = request["path"]
    if request["op"] == "child":
        children = batch([(app, path, ACCESSIBLE, "GetChildren", None)])[0]
        children = children[0] if children else []
        if request["index"] >= len(children):
            return {"nodes": []}
        nodes = describe(app, [children[request["index"]][1]], False)
        place(app, [n for n in nodes if n["showing"]])
        return {"nodes": nodes}
    actions = batch([(app, path, ACTION, "GetActions", None)])[0]
    names = [a[0] for a in actions[0]] if actions else []
    if request["action"] not in names:
        return {"error": "no action %r among %r" % (request["action"], names)}
    batch([(app, path, ACTION, "DoAction", GLib.Variant("(i)", (names.index(request["action"]),)))])
    return {"done": True}

for line in sys.stdin:
    try:
        reply = answer(json.loads(line))
    except Exception:
        reply = {"error": traceback.format_exc()}
    sys.stdout.write(json.dumps(reply) + "\n")
    sys.stdout.flush()
"""


class HarnessError(AssertionError):
    """A step of the harness did not happen in time or failed."""


def translated_names(language):
    """The names= table for a language: each English text of the program as
    translations/zolvenar_<language>.ts gives it (English: none). A text with two
    translations in different places is left out, for no one name stands for it."""
    if language == "en":
        return {}
    import xml.etree.ElementTree as ET
    path = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "translations",
                        "zolvenar_%s.ts" % language)
    names, twice = {}, set()
    for message in ET.parse(path).getroot().iter("message"):
        source, text = message.findtext("source"), message.findtext("translation")
        if names.setdefault(source, text) != text:
            twice.add(source)
    return {source: text for source, text in names.items() if source not in twice}


def english_environment():
    """This environment with the program's language set to English, as the cases
    expect unless they ask for another (LANG in a session's env)."""
    env = dict(os.environ, LANG="C.UTF-8")
    for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
        env.pop(name, None)
    return env


class Session:
    def __init__(self, binary, workdir=None, files=None, env=None, wm=False, args=(), plain_user=False,
                 session_manager=False, wayland=False, file_size_limit=None, accessible=False, names=None,
                 nproc=None):
        self.binary = os.path.abspath(binary)
        self.nproc = nproc
        self.wm = wm
        self.plain_user = plain_user
        self.session_manager = session_manager
        self.wayland = wayland
        self.file_size_limit = file_size_limit
        self._weston = None
        self._xsm = None
        self._session_env = {}
        self.args = list(args)
        self._own_workdir = workdir is None
        self.workdir = workdir
        self.files = files or {}
        self.extra_env = env or {}
        self.window = None
        self.display_name = None
        self._xvfb = None
        self._wm = None
        self._proc = None
        self._logdir = None
        self._xlib = None
        self._helpers = []
        self._watches = []
        self._exit_code = None
        self.accessible = accessible
        self._bus = None
        self._names = dict(names or {})
        self._scale = 1.0

    # ----- lifecycle -----------------------------------------------------

    def __enter__(self):
        try:
            if self.accessible:
                # Its processes start while the display and the window manager do.
                self._bus = AccessibilityBus(PLAIN_USER if self.plain_user else None).__enter__()
            self._start_xvfb()
            self._logdir = tempfile.mkdtemp(prefix="zolvenar-e2e-log-")
            if self.wm:
                self._start_wm()
            if self._own_workdir:
                self.workdir = tempfile.mkdtemp(prefix="zolvenar-e2e-")
            for name, content in self.files.items():
                mode = "wb" if isinstance(content, (bytes, bytearray)) else "w"
                with open(os.path.join(self.workdir, name), mode) as f:
                    f.write(content)
            if self.session_manager:
                self._start_xsm()
            if self.wayland:
                self._start_weston()
            if self._bus is not None:
                self._bus.wait_ready()
            self._start_program()
        except BaseException:
            self._cleanup()
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None and self._proc is not None and self._proc.poll() is not None:
            # The program died under us: its output usually says why.
            sys.stderr.write("program stdout:\n" + self.stdout() + "\nprogram stderr:\n" + self.stderr() + "\n")
        self._cleanup()
        return False

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        try:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                start_new_session=True)
            os.close(write_fd)
            write_fd = None
            number = b""
            deadline = time.monotonic() + 20
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self._xvfb.poll() is not None:
                    raise HarnessError("Xvfb did not start")
                chunk = os.read(read_fd, 16)
                if not chunk:
                    raise HarnessError("Xvfb did not report its display")
                number += chunk
        finally:
            if write_fd is not None:
                os.close(write_fd)
            os.close(read_fd)
        self.display_name = ":" + number.decode().strip()
        self._xlib = xdisplay.Display(self.display_name)

    def _start_wm(self):
        # Its own home, so no user's openbox configuration changes the frames.
        home = os.path.join(self._logdir, "home")
        os.mkdir(home)
        env = dict(os.environ, DISPLAY=self.display_name, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"))
        env.pop("XAUTHORITY", None)
        with open(os.path.join(self._logdir, "wm"), "wb") as log:
            self._wm = subprocess.Popen(["openbox", "--sm-disable"], env=env, stdin=subprocess.DEVNULL,
                                        stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        # openbox announces itself before its event loop runs, and a window mapped in
        # between can stay unmanaged for good: wait until a probe window is managed.
        screen = self._xlib.screen()
        wm_state = self._xlib.intern_atom("WM_STATE")
        deadline = time.monotonic() + 20
        while True:
            probe = screen.root.create_window(0, 0, 16, 16, 0, screen.root_depth)
            probe.map()
            self._xlib.flush()
            try:
                _wait(lambda: self._managed(probe, wm_state), 1, "openbox to manage a window")
                return
            except HarnessError:
                if time.monotonic() > deadline or self._wm.poll() is not None:
                    raise
            finally:
                probe.destroy()
                self._xlib.sync()

    def _managed(self, window, wm_state):
        if self._wm.poll() is not None:
            raise HarnessError("openbox exited with %d" % self._wm.returncode)
        return window.get_full_property(wm_state, X.AnyPropertyType) is not None

    def _start_xsm(self):
        # xsm runs its start-up lines through the shell: the one line here tells the
        # address a client needs; the program is then started as the harness starts it.
        home = os.path.join(self._logdir, "xsm-home")
        os.mkdir(home)
        address = os.path.join(home, "address")
        with open(os.path.join(home, ".xsmstartup"), "w") as f:
            f.write('echo "$SESSION_MANAGER" > %s.new && mv %s.new %s\n' % (address, address, address))
        env = dict(os.environ, DISPLAY=self.display_name, HOME=home)
        env.pop("SESSION_MANAGER", None)
        with open(os.path.join(self._logdir, "xsm"), "wb") as log:
            self._xsm = subprocess.Popen(["xsm"], env=env, cwd=home, stdin=subprocess.DEVNULL, stdout=log,
                                         stderr=subprocess.STDOUT, start_new_session=True)
        _wait(lambda: os.path.exists(address) or self._xsm.poll() is not None, 20, "xsm to start")
        with open(address) as f:
            self._session_env = {"SESSION_MANAGER": f.read().strip(),
                                 "ICEAUTHORITY": os.path.join(home, ".ICEauthority")}
        self.xsm_window = self.wait_until(lambda: self._visible_windows("xsm: Default"), 20, "xsm's window")[0]

    def end_session(self, interact):
        """Shuts the session down from xsm's window, with a checkpoint: "Shutdown",
        "With Checkpoint", then the dialog (see _save_dialog) and its "Shutdown".
        Clicks at xsm's own layout."""
        main = str(self.xsm_window)
        # A window manager may have put the program's window over it.
        self._run("xdotool", "windowraise", main)
        self._run("xdotool", "mousemove", "--sync", "--window", main, "140", "49", "mousedown", "1")
        time.sleep(0.3)
        self._run("xdotool", "mousemove", "--sync", "--window", main, "165", "77", "mouseup", "1")
        self._save_dialog("Shutdown", interact)

    def checkpoint(self, interact):
        """Saves the session from xsm's window without ending it: "Checkpoint", then
        the dialog (see _save_dialog) and its "Checkpoint"."""
        main = str(self.xsm_window)
        self._run("xdotool", "windowraise", main)
        self._run("xdotool", "mousemove", "--sync", "--window", main, "45", "49", "click", "1")
        self._save_dialog("Checkpoint", interact)

    def _save_dialog(self, title, interact):
        """Fills xsm's dialog titled title: a session name, the interact style
        ("None", "Errors" or "Any"), then the button that saves."""
        dialog = str(self.wait_until(lambda: self._visible_windows(title), 10, "xsm's %s dialog" % title)[0])
        # "Any" is chosen already; a click on the chosen toggle would leave none chosen.
        style = {"None": "150", "Errors": "207", "Any": None}[interact]
        self._run("xdotool", "mousemove", "--sync", "--window", dialog, "174", "18", "click", "1")
        self._run("xdotool", "windowfocus", "--sync", dialog)
        self._run("xdotool", "type", "--delay", "30", "e2e")
        if style:
            self._run("xdotool", "mousemove", "--sync", "--window", dialog, style, "92", "click", "1")
        self._run("xdotool", "mousemove", "--sync", "--window", dialog, "49", "137", "mousedown", "1")
        time.sleep(0.1)
        self._run("xdotool", "mouseup", "1")

    def kill_session_manager(self):
        """Ends xsm at once (SIGKILL), as a crashed session manager would end."""
        self._xsm.kill()
        self._xsm.wait(10)

    def cpu_seconds(self):
        """The processor time the program has used so far, user and system."""
        with open("/proc/%d/stat" % self._proc.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def _start_weston(self):
        runtime = os.path.join(self._logdir, "wayland")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
        # The headless backend has no seat, so no clipboard and no focus; the X11
        # backend, a window on the session's display, has a keyboard and a pointer.
        backend = ["--backend=headless-backend.so"] if self.wayland != "seat" else [
            "--backend=x11-backend.so", "--use-pixman", "--width=1024", "--height=768"]
        env["DISPLAY"] = self.display_name
        with open(os.path.join(self._logdir, "weston"), "wb") as log:
            self._weston = subprocess.Popen(
                ["weston"] + backend + ["--socket=zolvenar-e2e", "--idle-time=0"], env=env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        _wait(lambda: os.path.exists(os.path.join(runtime, "zolvenar-e2e.lock")) or self._weston.poll() is not None,
              20, "weston to start")
        # The client's protocol log tells when its window has been configured.
        self._session_env = {"QT_QPA_PLATFORM": "wayland", "XDG_RUNTIME_DIR": runtime,
                             "WAYLAND_DISPLAY": "zolvenar-e2e", "WAYLAND_DEBUG": "client"}

    def wayland_configured(self):
        return "ack_configure" in self.stderr()

    def _wayland_env(self):
        return dict(os.environ, **{k: v for k, v in self._session_env.items() if k != "WAYLAND_DEBUG"})

    def wayland_clipboard(self):
        """The Wayland clipboard's text, empty when it holds none (wl-paste's own
        surface takes the keyboard focus while it reads)."""
        done = subprocess.run(["wl-paste", "--no-newline"], env=self._wayland_env(), capture_output=True, timeout=10)
        return done.stdout.decode("utf-8", errors="replace") if done.returncode == 0 else ""

    def start_wayland_client(self, *argv):
        """Starts another Wayland client, such as a window that takes the focus; it
        is ended with the session."""
        helper = subprocess.Popen(list(argv), env=self._wayland_env(), stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        self._helpers.append(helper)
        return helper

    def keyboard_focused(self):
        """Whether the program's window has the keyboard focus, by the last such
        event its protocol log shows (wayland only)."""
        events = [line for line in self.stderr().splitlines() if "wl_keyboard@" in line and
                  (".enter(" in line or ".leave(" in line)]
        return bool(events) and ".enter(" in events[-1]

    def dismiss_save_failure(self):
        """Waits for xsm's "Save Failure" box, shown when a client cancelled the
        shutdown, and presses its OK."""
        box = str(self.wait_until(lambda: self._visible_windows("Save Failure"), 20, "xsm's save failure box")[0])
        self._run("xdotool", "mousemove", "--sync", "--window", box, "22", "102", "click", "1")
        self.wait_until(lambda: not self._visible_windows("Save Failure"), 10, "the save failure box to go")

    def _environment(self):
        env = english_environment()
        env["DISPLAY"] = self.display_name
        env["QT_QPA_PLATFORM"] = "xcb"
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("WAYLAND_DEBUG", None)
        env.pop("XAUTHORITY", None)
        env.setdefault("XDG_RUNTIME_DIR", self._logdir)
        env.pop("SESSION_MANAGER", None)
        env.update(self._session_env)
        if self._bus is not None:
            env.update(DBUS_SESSION_BUS_ADDRESS=self._bus.env["DBUS_SESSION_BUS_ADDRESS"],
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        env.update(self.extra_env)
        return env

    def _start_program(self):
        self._stdout = open(os.path.join(self._logdir, "stdout"), "wb")
        self._stderr = open(os.path.join(self._logdir, "stderr"), "wb")
        env = self._environment()
        # Qt's bridge gives logical pixels; Xvfb's 96 dpi leave QT_SCALE_FACTOR the only scale.
        self._scale = float(env.get("QT_SCALE_FACTOR") or 1)
        extra = {}
        if self.plain_user:
            runtime = os.path.join(self._logdir, "runtime")
            os.mkdir(runtime, 0o700)
            for path in (self.workdir, runtime):
                os.chown(path, PLAIN_USER, PLAIN_USER)
            env.update(HOME=self.workdir, XDG_RUNTIME_DIR=runtime)
            extra = {"user": PLAIN_USER, "group": PLAIN_USER, "extra_groups": []}
        if self.file_size_limit is not None:
            import resource
            limit = (self.file_size_limit, self.file_size_limit)
            extra["preexec_fn"] = lambda: resource.setrlimit(resource.RLIMIT_FSIZE, limit)
        prefix = []
        if self.nproc:
            if self._bus is not None and self.plain_user:
                raise HarnessError("nproc with accessible: the bus's threads would take those the limit leaves")
            # The limit counts every task of the user, an earlier run's leftovers too
            # (a D-Bus daemon that Qt had launched, still to be reaped).
            _wait(lambda: not _processes_of(PLAIN_USER), 20, "the plain user's earlier processes to end")
            prefix = ["prlimit", "--nproc=%d" % self.nproc, "--"]
        self._proc = subprocess.Popen(prefix + [self.binary] + self.args, cwd=self.workdir, env=env,
                                      stdout=self._stdout, stderr=self._stderr, start_new_session=True, **extra)

    def _cleanup(self):
        if self._proc is not None and self._proc.poll() is None:
            _stop(self._proc)
        for helper in self._helpers:
            if helper.poll() is None:
                _stop(helper)
        for watch in self._watches:
            watch.close()
        if self._xsm is not None and self._xsm.poll() is None:
            _stop(self._xsm)
        if self._weston is not None and self._weston.poll() is None:
            _stop(self._weston)
        if self._wm is not None and self._wm.poll() is None:
            _stop(self._wm)
        if self._bus is not None:
            self._bus.__exit__(None, None, None)
            self._bus = None
        if self._xlib is not None:
            try:
                self._xlib.close()
            except Exception:
                pass
            self._xlib = None
        if self._xvfb is not None and self._xvfb.poll() is None:
            _stop(self._xvfb)
        for f in (getattr(self, "_stdout", None), getattr(self, "_stderr", None)):
            if f is not None:
                f.close()
        if self._own_workdir and self.workdir:
            shutil.rmtree(self.workdir, ignore_errors=True)
        if self._logdir:
            shutil.rmtree(self._logdir, ignore_errors=True)
            self._logdir = None

    # ----- running X tools -----------------------------------------------

    def _run(self, *args, input=None, timeout=10):
        env = dict(os.environ, DISPLAY=self.display_name)
        done = subprocess.run(list(args), env=env, input=input, capture_output=True, timeout=timeout)
        if done.returncode != 0:
            raise HarnessError("%s failed (%d): %s" % (" ".join(args), done.returncode,
                                                       done.stderr.decode(errors="replace").strip()))
        return done.stdout.decode("utf-8", errors="replace")

    def wait_until(self, predicate, timeout=10, what="condition"):
        def checked():
            value = predicate()
            if not value and self._proc is not None and self._proc.poll() is not None:
                raise HarnessError("program exited with %d while waiting for %s" % (self._proc.returncode, what))
            return value

        return _wait(checked, timeout, what)

    # ----- window ----------------------------------------------------------

    def find_window(self, title=DEFAULT_TITLE, timeout=15, regex=False):
        title = title if regex else self._shown(title)
        pattern = title if regex else "^" + _regex_escape(title) + "$"

        def search():
            env = dict(os.environ, DISPLAY=self.display_name)
            done = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                  env=env, capture_output=True, timeout=10)
            ids = done.stdout.split()
            return int(ids[0]) if ids else None

        self.window = self.wait_until(search, timeout, "a window titled %r" % title)
        return self.window

    def _need_window(self):
        if self.window is None:
            self.find_window()
        return self._xlib.create_resource_object("window", self.window)

    def title(self):
        return self._run("xdotool", "getwindowname", str(self._need_window().id)).rstrip("\n")

    def wait_title(self, title, timeout=10, regex=False):
        import re
        title = title if regex else self._shown(title)
        match = (lambda t: re.search(title, t)) if regex else (lambda t: t == title)
        return self.wait_until(lambda: match(self.title()) and self.title(), timeout, "title %r" % title)

    def watch_title(self):
        """Starts counting the window's title changes. Take it before the action whose
        end is to be awaited, then call its wait_for(title, timeout): it returns once
        the title has changed at least once and now reads title, so a run too short
        for any poll to see its progress title is still seen to have run and ended."""
        watch = TitleWatch(self)
        self._watches.append(watch)
        return watch

    def client_origin(self):
        """The client area's top-left corner in screen coordinates."""
        window = self._need_window()
        root = self._xlib.screen().root
        moved = window.translate_coords(root, 0, 0)
        return -moved.x, -moved.y

    def client_size(self):
        geometry = self._need_window().get_geometry()
        return geometry.width, geometry.height

    def frame_bounds(self):
        """The window's outer bounds (x, y, width, height) on the screen: the window
        manager's frame when there is one, the window itself on a bare Xvfb."""
        window = self._need_window()
        root = self._xlib.screen().root
        while True:
            parent = window.query_tree().parent
            if parent is None or parent.id == root.id:
                break
            window = parent
        geometry = window.get_geometry()
        moved = window.translate_coords(root, 0, 0)
        border = 2 * geometry.border_width
        return -moved.x, -moved.y, geometry.width + border, geometry.height + border

    def maximized(self):
        """Whether the window manager has the window maximized (_NET_WM_STATE)."""
        window = self._need_window()
        state = window.get_full_property(self._xlib.intern_atom("_NET_WM_STATE"), X.AnyPropertyType)
        names = {self._xlib.intern_atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                 self._xlib.intern_atom("_NET_WM_STATE_MAXIMIZED_HORZ")}
        return bool(state) and names <= set(state.value)

    def set_maximized(self, maximized):
        """Asks the window manager to maximize or restore the window, as its title bar
        button does; returns without waiting for it."""
        window = self._need_window()
        root = self._xlib.screen().root
        event = protocol.event.ClientMessage(
            window=window, client_type=self._xlib.intern_atom("_NET_WM_STATE"),
            data=(32, [1 if maximized else 0, self._xlib.intern_atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                       self._xlib.intern_atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 1, 0]))
        root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self._xlib.flush()

    def screen_size(self):
        screen = self._xlib.screen()
        return screen.width_in_pixels, screen.height_in_pixels

    def focus(self):
        self._run("xdotool", "windowfocus", "--sync", str(self._need_window().id))

    def visible_windows(self, title):
        """The ids of the visible windows titled exactly title (as names= shows it)."""
        return self._visible_windows(self._shown(title))

    def popup_open(self):
        """Whether a popup of the program (a menu or a drop-down list) is on the
        screen; tool-tips do not count."""
        kind = self._xlib.intern_atom("_NET_WM_WINDOW_TYPE")
        tip = self._xlib.intern_atom("_NET_WM_WINDOW_TYPE_TOOLTIP")
        for window in self._xlib.screen().root.query_tree().children:
            try:
                attributes = window.get_attributes()
                if attributes.map_state != X.IsViewable or not attributes.override_redirect:
                    continue
                if (window.get_wm_class() or ("",))[0] != "zolvenar":
                    continue
                types = window.get_full_property(kind, X.AnyPropertyType)
            except Exception:  # gone meanwhile
                continue
            if types is None or tip not in types.value:
                return True
        return False

    def wait_popup(self, open_=True, timeout=10):
        self.wait_until(lambda: self.popup_open() == open_, timeout, "a popup %s" % ("open" if open_ else "closed"))

    def _visible_windows(self, title):
        env = dict(os.environ, DISPLAY=self.display_name)
        done = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + _regex_escape(title) + "$"],
                              env=env, capture_output=True, timeout=10)
        return [int(w) for w in done.stdout.split()]

    def answer(self, caption, key="alt+y", timeout=15):
        """Presses key in the modal box captioned caption (Alt+Y is Yes, Alt+N No),
        then waits until the box has gone or the program has ended. The main window
        stays the target of later calls."""
        main_window = self.window
        try:
            box = self.find_window(caption, timeout)
            self.key(key)
        finally:
            self.window = main_window
        deadline = time.monotonic() + timeout
        while self.running() and box in self._visible_windows(self._shown(caption)):
            if time.monotonic() > deadline:
                raise HarnessError("the box %r is still open after %s" % (caption, key))
            time.sleep(0.05)

    # ----- controls, as a screen reader finds them -------------------------------

    def _shown(self, text):
        return self._names.get(text, text)

    def _ask(self, request):
        if self._bus is None:
            raise HarnessError("finding controls by name needs Session(..., accessible=True)")
        reply = self._bus.ask(request)
        if "error" in reply:
            raise HarnessError("the accessibility reader failed: %s" % reply["error"])
        return reply.get("nodes")

    def _placed(self, nodes):
        """The showing nodes with bounds, in client coordinates."""
        if self.wayland:
            # Wayland tells no client where its window is, so the bus's extents have no origin.
            raise HarnessError("under Wayland the accessibility bus gives no place on the screen")
        ox, oy = self.client_origin()
        scale = self._scale
        placed = []
        for node in nodes:
            extents = node.get("extents")
            if node["showing"] and extents and extents[2] > 0 and extents[3] > 0:
                x, y, width, height = (round(v * scale) for v in extents)
                placed.append(Control(node, (x - ox, y - oy, width, height)))
        return placed

    def controls(self, timeout=10):
        """Every control showing now, from one walk of the bus: a Controls, for a
        batch of lookups while nothing changes the layout. Waits until the program
        has its window's controls on the bus."""
        def walked():
            placed = self._placed(self._ask({"op": "walk"}))
            return any(c.depth >= 2 for c in placed) and placed

        return Controls(self.wait_until(walked, timeout, "the window's controls on the accessibility bus"),
                        self._shown)

    def control(self, name, role=None, timeout=10):
        """The one showing control with this accessible name (and role), waiting
        until it shows; every call walks the bus afresh."""
        shown = self._shown(name)

        def one():
            found = [c for c in self._placed(self._ask({"op": "walk", "name": shown})) if role in (None, c.role)]
            if len(found) > 1:
                raise HarnessError("%d controls named %r%s showing: %r" % (
                    len(found), shown, " with role %r" % role if role else "", found))
            return found and found[0]

        return self.wait_until(one, timeout, "a control named %r%s showing" % (
            shown, " with role %r" % role if role else ""))

    def control_center(self, name, role=None, timeout=10):
        """The middle of the showing control with this name, in client coordinates."""
        return self.control(name, role, timeout).center

    def click_control(self, name, role=None, button=1):
        self.click(*self.control_center(name, role), button=button)

    def item_center(self, name, index, role=None, timeout=10):
        """The middle of item index (from 0) of the showing control with this name,
        such as a row of a list, in client coordinates."""
        path = self.control(name, role, timeout).path
        return self.wait_until(
            lambda: [c.center for c in self._placed(self._ask({"op": "child", "path": path, "index": index}))],
            timeout, "item %d of %r showing" % (index, self._shown(name)))[0]

    def do_action(self, name, action, role=None):
        """Does the control's action (AT-SPI's name, such as "Toggle" or "Press") as a
        screen reader's command does, with no pointer or key; also under Wayland."""
        if self.wayland:
            shown = self._shown(name)
            found = self.wait_until(lambda: [n for n in self._ask({"op": "walk", "name": shown}) if n["showing"] and
                                             role in (None, n["role"])], 10, "a control named %r" % shown)
            path = found[0]["path"]
        else:
            path = self.control(name, role).path
        reply = self._bus.ask({"op": "action", "path": path, "action": action})
        if "error" in reply:
            raise HarnessError("the accessibility reader failed: %s" % reply["error"])

    def accessible_tree(self, timeout=30):
        """Every node of the program on the bus, hidden ones too, as dicts with name,
        role, description, states and extents (screen coordinates, logical pixels),
        once the window is on it with its controls."""
        def tree():
            nodes = self._ask({"op": "walk", "full": True})
            return any(n["depth"] == 2 for n in nodes) and nodes

        return self.wait_until(tree, timeout, "the window's controls on the accessibility bus")

    # ----- input -------------------------------------------------------------

    def _screen(self, x, y):
        ox, oy = self.client_origin()
        return str(ox + int(x)), str(oy + int(y))

    def move(self, x, y):
        target = self._screen(x, y)
        pointer = self._xlib.screen().root.query_pointer()
        # xdotool's --sync would wait for a motion that never comes.
        if (str(pointer.root_x), str(pointer.root_y)) != target:
            self._run("xdotool", "mousemove", "--sync", *target)

    def click(self, x, y, button=1):
        self.move(x, y)
        self._run("xdotool", "click", str(button))

    def double_click(self, x, y, button=1):
        self.move(x, y)
        self._run("xdotool", "click", "--repeat", "2", "--delay", "80", str(button))

    def key(self, *keys):
        """xdotool key names, e.g. key("ctrl+a", "BackSpace")."""
        self.focus()
        self._run("xdotool", "key", "--delay", "30", *keys)

    def type(self, text):
        self.focus()
        self._run("xdotool", "type", "--delay", "30", "--", text)

    # ----- clipboard -----------------------------------------------------

    def clipboard(self, selection="clipboard"):
        env = dict(os.environ, DISPLAY=self.display_name)
        done = subprocess.run(["xclip", "-selection", selection, "-o"], env=env, capture_output=True, timeout=10)
        # xclip fails when nobody owns the clipboard: that is the empty text.
        return done.stdout.decode("utf-8", errors="replace") if done.returncode == 0 else ""

    def clipboard_targets(self):
        """The formats the clipboard's owner offers (TARGETS), empty when nobody owns it."""
        env = dict(os.environ, DISPLAY=self.display_name)
        done = subprocess.run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], env=env,
                              capture_output=True, timeout=10)
        return done.stdout.decode("utf-8", errors="replace").split() if done.returncode == 0 else []

    def set_clipboard(self, text):
        env = dict(os.environ, DISPLAY=self.display_name)
        # xclip stays alive to serve the selection; keep it so cleanup can end it.
        helper = subprocess.Popen(["xclip", "-selection", "clipboard", "-i", "-loops", "0", "-quiet"], env=env,
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                  start_new_session=True)
        helper.stdin.write(text.encode("utf-8"))
        helper.stdin.close()
        self._helpers.append(helper)
        self.wait_until(lambda: self.clipboard() == text, 10, "the clipboard to hold the text")

    def clipboard_manager(self):
        """Starts e2e/clipboard_manager.py on the display and waits until it owns
        CLIPBOARD_MANAGER; it is ended with the session."""
        manager = ClipboardManager(self)
        self._helpers.append(manager.process)
        manager.wait_for("ready", 10)
        return manager

    # ----- files and output ----------------------------------------------

    def path(self, name):
        return os.path.join(self.workdir, name)

    def exists(self, name):
        return os.path.exists(self.path(name))

    def read_file(self, name, binary=False):
        with open(self.path(name), "rb" if binary else "r", **({} if binary else {"newline": ""})) as f:
            return f.read()

    def screenshot(self, path):
        self._run("import", "-window", "root", os.path.abspath(path), timeout=30)

    def _log(self, name):
        if not self._logdir:
            return ""
        for f in (getattr(self, "_stdout", None), getattr(self, "_stderr", None)):
            if f is not None:
                f.flush()
        with open(os.path.join(self._logdir, name), "rb") as f:
            return f.read().decode("utf-8", errors="replace")

    def stdout(self):
        return self._log("stdout")

    def stderr(self):
        return self._log("stderr")

    # ----- ending ------------------------------------------------------------

    def close(self):
        """Asks the window to close as a window manager would: WM_DELETE_WINDOW."""
        window = self._need_window()
        protocols = self._xlib.intern_atom("WM_PROTOCOLS")
        delete = self._xlib.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self._xlib.flush()

    def running(self):
        return self._proc is not None and self._proc.poll() is None

    def pid(self):
        return self._proc.pid

    def signal(self, number, taken=False):
        """Sends the signal; with taken, returns once the program has taken it (it is
        no longer pending), so that another of the same kind is not merged into it."""
        os.kill(self._proc.pid, number)
        if taken:
            self.wait_until(lambda: not self._pending(number), 10, "signal %d to be taken" % number)

    def _pending(self, number):
        try:
            with open("/proc/%d/status" % self._proc.pid) as f:
                masks = [int(line.split()[1], 16) for line in f if line.startswith(("SigPnd:", "ShdPnd:"))]
        except FileNotFoundError:
            return False
        return any(mask & (1 << (number - 1)) for mask in masks)

    def kill_display(self):
        """Ends the X server under the program, as a crashed or stopped server would."""
        self._xvfb.kill()
        self._xvfb.wait(10)
        try:
            self._xlib.close()
        except Exception:
            pass
        self._xlib = None

    def kill_compositor(self):
        """Ends weston under the program, as a crashed compositor would."""
        self._weston.kill()
        self._weston.wait(10)

    def wait_exit(self, timeout=15):
        try:
            self._exit_code = self._proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise HarnessError("program still running after %gs" % timeout)
        return self._exit_code


class TitleWatch:
    """Counts the title changes of a session's window on a connection of its own."""

    def __init__(self, session):
        self._session = session
        self._d = xdisplay.Display(session.display_name)
        self._atoms = {self._d.intern_atom("WM_NAME"), self._d.intern_atom("_NET_WM_NAME")}
        window = self._d.create_resource_object("window", session._need_window().id)
        window.change_attributes(event_mask=X.PropertyChangeMask)
        self._d.sync()
        self.changes = 0

    def _count(self):
        self._d.sync()
        while self._d.pending_events():
            event = self._d.next_event()
            if event.type == X.PropertyNotify and event.atom in self._atoms:
                self.changes += 1
        return self.changes

    def wait_for(self, title, timeout=10, regex=False):
        import re
        title = title if regex else self._session._shown(title)
        match = (lambda t: re.search(title, t)) if regex else (lambda t: t == title)

        def settled():
            if not self._count():
                return None
            current = self._session.title()
            return match(current) and current

        return self._session.wait_until(settled, timeout, "a changed title %r" % title)

    def close(self):
        if self._d is not None:
            self._d.close()
            self._d = None


class ClipboardOwnerWatch:
    """Counts explicit changes of the clipboard's owner (XFixes), so a test can tell
    a program that emptied the clipboard from one that merely exited."""

    def __init__(self, display_name):
        from Xlib.ext import xfixes
        self._d = xdisplay.Display(display_name)
        self._d.xfixes_query_version()
        self._d.xfixes_select_selection_input(self._d.screen().root, self._d.intern_atom("CLIPBOARD"),
                                              xfixes.XFixesSetSelectionOwnerNotifyMask)
        self._d.sync()

    def changes(self):
        self._d.sync()
        count = 0
        while self._d.pending_events():
            self._d.next_event()
            count += 1
        return count

    def close(self):
        self._d.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False


class ClipboardManager:
    """The e2e cases' clipboard manager process (clipboard_manager.py): it holds a
    program's hand-over of the clipboard at exit until release()."""

    def __init__(self, session):
        import threading
        env = dict(os.environ, DISPLAY=session.display_name)
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "clipboard_manager.py")
        self.process = subprocess.Popen([sys.executable, script], env=env, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, start_new_session=True)
        self._lines = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self._lines.append(line)

    def wait_for(self, word, timeout):
        def said():
            if self.process.poll() is not None:
                raise HarnessError("the clipboard manager exited with %d" % self.process.returncode)
            return next((line.rstrip("\n") for line in list(self._lines) if line.split()[0] == word), None)
        return _wait(said, timeout, "the clipboard manager to say %r" % word)

    def wait_asked(self, timeout=20):
        """Waits until a program has asked to hand its clipboard over."""
        self.wait_for("asked", timeout)

    def release(self):
        """Lets the held hand-over go on."""
        self.process.stdin.write("\n")
        self.process.stdin.flush()

    def wait_saved(self, timeout=20):
        """The text taken over, None when the program gave none."""
        return json.loads(self.wait_for("saved", timeout).split(" ", 1)[1])


class AccessibilityBus:
    """A private session bus with the accessibility bus launched on it, and a reader
    on it that answers what a screen reader would ask (BUS_READER). Each process
    started here leads a process group of its own, which is ended on leaving the
    block, also after a failure: the buses and the registry they start go with it.
    Given a user, they all run as that user: a session bus admits no other."""

    def __init__(self, user=None):
        self.user = user

    def __enter__(self):
        self._procs = []
        self._reader = None
        self._ready = False
        self._pending = b""
        self.runtime = tempfile.mkdtemp(prefix="zolvenar-e2e-a11y-")
        try:
            if self.user is not None:
                os.chown(self.runtime, self.user, self.user)
            bus = self._start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                              dict(os.environ, HOME=self.runtime), stdout=subprocess.PIPE)
            address = bus.stdout.readline().decode().strip()
            if not address:
                raise HarnessError("the session bus did not start")
            self.env = {"DBUS_SESSION_BUS_ADDRESS": address, "XDG_RUNTIME_DIR": self.runtime}
            # Without a display, so the launcher leaves no bus address on some X server.
            self._start([A11Y_LAUNCHER, "--launch-immediately"], self.client_environment(), stdout=subprocess.DEVNULL)
            self._reader_log = os.path.join(self.runtime, "reader.log")
            with open(self._reader_log, "wb") as log:
                self._reader = self._start(["/usr/bin/python3", "-c", BUS_READER], self.client_environment(),
                                           stdout=subprocess.PIPE, stdin=subprocess.PIPE, stderr=log)
        except BaseException:
            self._stop()
            raise
        return self

    def __exit__(self, *exc):
        self._stop()
        return False

    def client_environment(self):
        """The environment of a process that talks on the bus and to no display."""
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "AT_SPI_BUS_ADDRESS")}
        env.update(self.env, HOME=self.runtime)
        return env

    def _start(self, argv, env, stdout, stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL):
        user = {} if self.user is None else {"user": self.user, "group": self.user, "extra_groups": []}
        proc = subprocess.Popen(argv, env=env, stdin=stdin, stdout=stdout, stderr=stderr, start_new_session=True,
                                **user)
        self._procs.append(proc)
        return proc

    def wait_ready(self, timeout=20):
        """Waits until the launcher is up, so a program started now finds the bus
        instead of having the session bus start a launcher of its own."""
        if not self._ready:
            self._read(timeout)
            self._ready = True

    def ask(self, request, timeout=30):
        """One answer of the reader: a dict with "nodes", "done" or "error"."""
        self.wait_ready()
        try:
            self._reader.stdin.write((json.dumps(request) + "\n").encode())
            self._reader.stdin.flush()
        except BrokenPipeError:
            pass  # the read below tells why
        return self._read(timeout)

    def _read(self, timeout):
        deadline = time.monotonic() + timeout
        fd = self._reader.stdout.fileno()
        while b"\n" not in self._pending:
            left = deadline - time.monotonic()
            ready = select.select([fd], [], [], max(left, 0))[0] if left > 0 else []
            chunk = os.read(fd, 1 << 16) if ready else None
            if not chunk:
                with open(self._reader_log, "rb") as f:
                    said = f.read().decode(errors="replace")
                raise HarnessError("the accessibility reader %s: %s" % (
                    "did not answer in %gs" % timeout if chunk is None else "ended", said))
            self._pending += chunk
        line, self._pending = self._pending.split(b"\n", 1)
        return json.loads(line)

    def _stop(self):
        for proc in reversed(self._procs):
            if proc.stdin is not None:
                proc.stdin.close()
            _signal_group(proc, signal.SIGTERM)
        for proc in reversed(self._procs):
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


def _signal_group(proc, sig):
    try:
        os.killpg(proc.pid, sig)
    except ProcessLookupError:
        pass


class Control:
    """A control as the accessibility bus shows it: name, role (AT-SPI's role name,
    such as "push button", "check box", "text", "combo box", "list"), states, and
    its bounds in the client area's device pixels (x, y, width, height)."""

    def __init__(self, node, bounds):
        self.name, self.role, self.states = node["name"], node["role"], node["states"]
        self.path, self.depth = node["path"], node.get("depth")
        self.x, self.y, self.width, self.height = bounds

    @property
    def center(self):
        return self.x + self.width // 2, self.y + self.height // 2

    def __repr__(self):
        return "<%s %r at %d,%d %dx%d>" % (self.role, self.name, self.x, self.y, self.width, self.height)


class Controls(list):
    """The controls showing at one moment, as one walk of the bus found them."""

    def __init__(self, controls, shown=lambda name: name):
        super().__init__(controls)
        self._shown = shown

    def find(self, name, role=None):
        return [c for c in self if c.name == self._shown(name) and role in (None, c.role)]

    def get(self, name, role=None):
        """The one control with this name (and role); fails on none or several."""
        found = self.find(name, role)
        if len(found) != 1:
            raise HarnessError("%d controls named %r%s showing: %r" % (
                len(found), self._shown(name), " with role %r" % role if role else "", found))
        return found[0]

    def center(self, name, role=None):
        return self.get(name, role).center


def _wait(predicate, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise HarnessError("timed out after %gs waiting for %s" % (timeout, what))
        time.sleep(0.05)


def _stop(proc):
    try:
        os.killpg(proc.pid, signal.SIGTERM)
    except (ProcessLookupError, PermissionError):
        proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except (ProcessLookupError, PermissionError):
            proc.kill()
        proc.wait(5)


def _processes_of(uid):
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/status" % pid) as status:
                if any(line.split()[1:2] == [str(uid)] for line in status if line.startswith("Uid:")):
                    found.append(int(pid))
        except OSError:
            pass
    return found


def _regex_escape(text):
    # xdotool uses POSIX extended expressions.
    return "".join("\\" + c if c in r".^$*+?()[]{}|\\" else c for c in text)


def rows(**named):
    """Runs the decorated case once per row: test_x[name](binary, **kwargs)."""
    def mark(case):
        case.rows = named
        return case
    return mark


UNDER_WM = rows(bare={"wm": False}, openbox={"wm": True})


def parse_binary():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True, help="path to the zolvenar executable")
    parser.add_argument("-k", dest="only", default=None, help="run only cases whose name contains this")
    return parser.parse_args()


def main(namespace):
    """Runs every test_* function of a case module with the binary path."""
    args = parse_binary()
    if not os.access(args.binary, os.X_OK):
        print("not an executable: %s" % args.binary)
        sys.exit(2)
    cases = []
    for name, fn in namespace.items():
        if not (name.startswith("test_") and callable(fn)):
            continue
        for row, kwargs in getattr(fn, "rows", {None: {}}).items():
            cases.append((name if row is None else "%s[%s]" % (name, row),
                          lambda binary, fn=fn, kwargs=kwargs: fn(binary, **kwargs)))
    if args.only:
        cases = [(name, fn) for name, fn in cases if args.only in name]
    passed = failed = 0
    for name, fn in cases:
        started = time.monotonic()
        try:
            fn(args.binary)
        except Exception as error:
            failed += 1
            print("FAIL %s: %s" % (name, error or type(error).__name__))
            traceback.print_exc(file=sys.stdout)
        else:
            passed += 1
            print("ok   %s (%.1fs)" % (name, time.monotonic() - started))
        sys.stdout.flush()
    print("%d passed, %d failed" % (passed, failed))
    sys.exit(1 if failed or not cases else 0)
