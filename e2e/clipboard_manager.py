"""A clipboard manager of the e2e cases' own, run as a process of its own on
$DISPLAY: it owns CLIPBOARD_MANAGER, so a program that exits while it owns the
clipboard hands its text over here (a SAVE_TARGETS request), as to a desktop's
clipboard manager. It holds the hand-over: it prints "asked" and takes the text
only once a line arrives on its standard input, then prints "saved <JSON text or
null>", owns the clipboard from then on and serves the text."""

import json
import sys

from Xlib import X, Xatom, display, protocol


def main():
    d = display.Display()
    # A program that has gone cannot be answered; that is no error here.
    d.set_error_handler(lambda *error: None)
    window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    atom = d.intern_atom
    manager, save_targets, clipboard = atom("CLIPBOARD_MANAGER"), atom("SAVE_TARGETS"), atom("CLIPBOARD")
    utf8, targets, incoming = atom("UTF8_STRING"), atom("TARGETS"), atom("E2E_HANDED_OVER")
    window.set_selection_owner(manager, X.CurrentTime)
    d.sync()
    print("ready", flush=True)
    text = None
    while True:
        event = d.next_event()
        if event.type != X.SelectionRequest:
            continue
        answered = X.NONE
        if event.selection == manager and event.target == save_targets:
            print("asked", flush=True)
            sys.stdin.readline()
            text = fetch(d, window, clipboard, utf8, incoming)
            if text is not None:
                window.set_selection_owner(clipboard, X.CurrentTime)
                answered = event.property
            print("saved " + json.dumps(text), flush=True)
        elif event.selection == clipboard and text is not None:
            if event.target == targets:
                event.requestor.change_property(event.property, Xatom.ATOM, 32, [targets, utf8, Xatom.STRING])
                answered = event.property
            elif event.target in (utf8, Xatom.STRING):
                event.requestor.change_property(event.property, event.target, 8, text.encode())
                answered = event.property
        reply = protocol.event.SelectionNotify(time=event.time, requestor=event.requestor, selection=event.selection,
                                               target=event.target, property=answered)
        event.requestor.send_event(reply)
        d.flush()


def fetch(d, window, clipboard, utf8, incoming):
    """The clipboard's text from its owner, or None when it gives none."""
    window.convert_selection(clipboard, utf8, incoming, X.CurrentTime)
    d.flush()
    while True:
        event = d.next_event()
        if event.type == X.SelectionNotify and event.selection == clipboard:
            break
    if event.property == X.NONE:
        return None
    value = window.get_full_property(incoming, X.AnyPropertyType)
    return value.value.decode() if value else None


if __name__ == "__main__":
    main()
