#!/usr/bin/python3
"""Records what a screen reader hears from orvella-exporter: every AT-SPI event
a reader such as Orca acts on, one line each, flushed at once, until it is
ended (SIGTERM). scripts/e2e.sh runs it beside the exporter and checks the
lines.

    a11y-events.py OUTPUT-FILE

A line is tab-separated: the event type, detail1, then the source's role,
name and description; for a window or a focus event also the text of the
labels inside it, joined with " | ".
"""
import signal
import sys

import pyatspi

EVENTS = [
    "window:activate",
    "object:state-changed:focused",
    "object:state-changed:checked",
    "object:property-change:accessible-description",
    "object:announcement",
]


def labels_of(node, depth=0):
    texts = []
    if depth > 6 or node is None:
        return texts
    try:
        if not node.getState().contains(pyatspi.STATE_SHOWING):
            return texts
        if node.getRoleName() == "label" and node.name:
            texts.append(node.name)
        for i in range(node.childCount):
            texts += labels_of(node.getChildAtIndex(i), depth + 1)
    except Exception:  # the object went away while it was read
        pass
    return texts


def main():
    out = open(sys.argv[1], "a", buffering=1, encoding="utf-8")

    def heard(event):
        try:
            source = event.source
            app = source.getApplication()
            if app is None or app.name != "OrvellaExporter":
                return
            fields = [
                event.type,
                str(event.detail1),
                source.getRoleName(),
                source.name or "",
                source.description or "",
            ]
            if event.type.startswith("window:") or (
                event.type.startswith("object:state-changed:focused") and event.detail1
            ):
                fields.append(" | ".join(labels_of(source)))
            out.write("\t".join(f.replace("\t", " ").replace("\n", " ") for f in fields) + "\n")
        except Exception as error:  # never let one odd event end the recording
            out.write(f"error\t{error}\n")

    for kind in EVENTS:
        pyatspi.Registry.registerEventListener(heard, kind)
    signal.signal(signal.SIGTERM, lambda *_: pyatspi.Registry.stop())
    out.write("listening\n")
    pyatspi.Registry.start()


if __name__ == "__main__":
    main()
