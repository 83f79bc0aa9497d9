#!/usr/bin/python3
"""A screen reader's view of the game, through AT-SPI, for the end-to-end tests.

Reads commands on standard input, one per line, and answers each with one line
of JSON on standard output:
  read    the game's board: every item's role, name, description, whether it
          has the focus and its children's words, the menus that show, and
          the events heard since
          the last read: focus moves and changed names and descriptions, each
          as [type, name of the item, detail, the item's index]
  quit    ends the reader
It listens from the start, so it must run before the game does.
"""

import json
import sys

import pyatspi
from gi.repository import GLib

heard = []


def hear(event):
    source = event.source
    try:
        name = source.name
    except Exception:
        return
    try:
        index = source.getIndexInParent()
    except Exception:
        index = -1
    heard.append([event.type, name, event.detail1, index])


def board_of(app):
    """The panel that lists the board's items, or None."""
    stack = [app]
    while stack:
        node = stack.pop()
        try:
            if node.getRoleName() == "panel" and node.childCount > 0:
                return node
            stack.extend(node[i] for i in range(node.childCount))
        except Exception:
            pass
    return None


def showing_menus(app):
    names = []
    stack = [app]
    while stack:
        node = stack.pop()
        try:
            role = node.getRoleName()
            if role == "popup menu" and node.getState().contains(pyatspi.STATE_SHOWING):
                names.append(node.parent.name)
            stack.extend(node[i] for i in range(node.childCount))
        except Exception:
            pass
    return names


def text_of(node):
    """What a reader shows of an object: its name, or its children's words."""
    return node.name or " ".join(text_of(child) for child in node)


def read():
    global heard
    answer = {"app": None, "items": [], "menus": [], "heard": heard}
    heard = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or not app.name.startswith("Tavrin"):
            continue
        answer["app"] = app.name
        board = board_of(app)
        if board is not None:
            answer["board"] = board.name
            # The board's cells stand in a table of their own, first.
            for item in [cell for table in board if table.getRoleName() == "table"
                         for cell in table] + [item for item in board
                                               if item.getRoleName() != "table"]:
                answer["items"].append([item.getRoleName(), item.name, item.description,
                                        item.getState().contains(pyatspi.STATE_FOCUSED),
                                        [text_of(child) for child in item]])
        answer["menus"] = showing_menus(app)
    return answer


def on_command(stream, condition):
    line = stream.readline()
    if not line or line.strip() == "quit":
        pyatspi.Registry.stop()
        return False
    print(json.dumps(read()), flush=True)
    return True


# Readers listen to these; AT-SPI keeps what it has read up to date by them.
pyatspi.Registry.registerEventListener(hear, "object:state-changed:focused",
                                       "object:property-change")
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_command)
print(json.dumps({"ready": True}), flush=True)
pyatspi.Registry.start()
