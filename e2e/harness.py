"""End-to-end harness: the real zolvenar binary under its own Xvfb display.

A case file looks like this::

    import harness

    def test_starts_and_closes(binary):
        with harness.Session(binary) as s:
            s.find_window()                 # "Zolvenar 0.5a" by default
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
        session_manager=False, wayland=False, file_size_limit=None)
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
    processes may do. With ``session_manager`` xsm runs on the display and the
    program is its client, as in an X session. With ``wayland`` the program runs
    natively under weston (headless) instead, and ``wayland_configured()`` tells
    when the compositor has configured its window (X11 calls do not reach it).
    With ``file_size_limit`` (bytes) the program runs under that limit, as after
    ``ulimit -f``, its standard output and error going to files as ever.

Window:   find_window(title, timeout, regex=False) -> window id, visible_windows(title) -> [window id],
          title(), wait_title(title, timeout, regex=False), watch_title(),
          client_origin(), client_size(), frame_bounds(), screen_size(), focus(),
          maximized(), set_maximized(on)   (the window manager's state)
Boxes:    answer(caption, key="alt+y", timeout) presses a key in the modal box
          with this caption and waits until the box has gone
Input:    move(x, y), click(x, y, button=1), double_click(x, y),
          key("ctrl+c", ...), type("text")   (x, y relative to the client area)
Clipboard: clipboard() -> str, clipboard_targets() -> [str], set_clipboard(text),
          ClipboardOwnerWatch(session.display_name).changes(),
          clipboard_manager() -> a running ClipboardManager (wait_asked, release, wait_saved)
Files:    path(name), read_file(name, binary=False), exists(name)
Output:   screenshot(path), stdout(), stderr()   (stdout/stderr once exited)
End:      close(), wait_exit(timeout) -> exit code, running(), pid(), signal(number, taken=False),
          kill_display(), end_session(interact)   (xsm's shutdown with a checkpoint),
          dismiss_save_failure()   (xsm's word that a client cancelled it),
          checkpoint(interact)   (xsm's checkpoint: a save, the session goes on),
          kill_session_manager(), cpu_seconds()   (the program's processor time so far)
Waiting:  wait_until(predicate, timeout, what)
"""

import argparse
import os
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

# Where the cases click, in client coordinates of the window at its start-up size
# (632 x 447), by control name. With the option panel open: the text part of the
# numeric boxes, two set text boxes, set and option check boxes, the generate
# button and the list buttons along the bottom edge.
AT = {
    "comboMinLength": (540, 14), "comboMaxLength": (540, 38), "comboPassCount": (540, 62),
    "comboPassStrength": (540, 86), "comboGens": (540, 111),
    "editLowerCase": (250, 14), "editNumber": (250, 62),
    "checkNumber": (12, 62), "checkSymbol": (12, 86),
    "checkClearClipboard": (382, 146), "checkSettings": (382, 186),
    "checkGen": (316, 212),
    "buttonSelectAll": (80, 431), "buttonDelete": (237, 431), "buttonCopy": (394, 431), "buttonSave": (551, 431),
}
# Once a run has collapsed the panel: the generate button and the first list row.
AT_COLLAPSED = {"checkGen": (316, 46), "firstRow": (100, 72)}
# Points of the results list, far enough apart that each move gives a mouse sample.
LIST_POINTS = [(100, 120), (300, 220), (500, 140), (200, 320)]


class HarnessError(AssertionError):
    """A step of the harness did not happen in time or failed."""


class Session:
    def __init__(self, binary, workdir=None, files=None, env=None, wm=False, args=(), plain_user=False,
                 session_manager=False, wayland=False, file_size_limit=None):
        self.binary = os.path.abspath(binary)
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

    # ----- lifecycle -----------------------------------------------------

    def __enter__(self):
        try:
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
        with open(os.path.join(self._logdir, "weston"), "wb") as log:
            self._weston = subprocess.Popen(
                ["weston", "--backend=headless-backend.so", "--socket=zolvenar-e2e", "--idle-time=0"], env=env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        _wait(lambda: os.path.exists(os.path.join(runtime, "zolvenar-e2e.lock")) or self._weston.poll() is not None,
              20, "weston to start")
        # The client's protocol log tells when its window has been configured.
        self._session_env = {"QT_QPA_PLATFORM": "wayland", "XDG_RUNTIME_DIR": runtime,
                             "WAYLAND_DISPLAY": "zolvenar-e2e", "WAYLAND_DEBUG": "client"}

    def wayland_configured(self):
        return "ack_configure" in self.stderr()

    def dismiss_save_failure(self):
        """Waits for xsm's "Save Failure" box, shown when a client cancelled the
        shutdown, and presses its OK."""
        box = str(self.wait_until(lambda: self._visible_windows("Save Failure"), 20, "xsm's save failure box")[0])
        self._run("xdotool", "mousemove", "--sync", "--window", box, "22", "102", "click", "1")
        self.wait_until(lambda: not self._visible_windows("Save Failure"), 10, "the save failure box to go")

    def _environment(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display_name
        env["QT_QPA_PLATFORM"] = "xcb"
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("WAYLAND_DEBUG", None)
        env.pop("XAUTHORITY", None)
        env.setdefault("XDG_RUNTIME_DIR", self._logdir)
        env.pop("SESSION_MANAGER", None)
        env.update(self._session_env)
        env.update(self.extra_env)
        return env

    def _start_program(self):
        self._stdout = open(os.path.join(self._logdir, "stdout"), "wb")
        self._stderr = open(os.path.join(self._logdir, "stderr"), "wb")
        env = self._environment()
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
        self._proc = subprocess.Popen([self.binary] + self.args, cwd=self.workdir, env=env,
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
        """The ids of the visible windows titled exactly title."""
        return self._visible_windows(title)

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
        while self.running() and box in self._visible_windows(caption):
            if time.monotonic() > deadline:
                raise HarnessError("the box %r is still open after %s" % (caption, key))
            time.sleep(0.05)

    # ----- input -------------------------------------------------------------

    def _screen(self, x, y):
        ox, oy = self.client_origin()
        return str(ox + int(x)), str(oy + int(y))

    def move(self, x, y):
        self._run("xdotool", "mousemove", "--sync", *self._screen(x, y))

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

    def clipboard(self):
        env = dict(os.environ, DISPLAY=self.display_name)
        done = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=env, capture_output=True, timeout=10)
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
        import json
        return json.loads(self.wait_for("saved", timeout).split(" ", 1)[1])


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
