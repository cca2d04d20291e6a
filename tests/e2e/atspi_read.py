"""Reads the main window as a screen reader would, through AT-SPI: prints one line per object of
interest, "role|name|text|description", for the read-outs and the chart of the application whose
process id is given. With --chart-focused it prints nothing and succeeds only while the chart has
the keyboard focus."""
import sys

import pyatspi


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def walk(acc, found):
    role = acc.getRoleName()
    if role in ("label", "image") and acc.name:
        found.append(f"{role}|{acc.name}|{text_of(acc)}|{acc.description}")
        if role == "image" and acc.getState().contains(pyatspi.STATE_FOCUSED):
            found.append("chart focused")
    for child in acc:
        if child is not None:
            walk(child, found)


def main():
    pid = int(sys.argv[-1])
    focus_only = "--chart-focused" in sys.argv
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            found = []
            walk(app, found)
            if focus_only:
                return 0 if "chart focused" in found else 1
            print("\n".join(line for line in found if line != "chart focused"))
            return 0
    print("application not found on the accessibility bus", file=sys.stderr)
    return 1


sys.exit(main())
