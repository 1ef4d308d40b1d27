#!/usr/bin/python3
"""What a screen reader can read of a program: every object of its AT-SPI
tree (hidden ones included), one line each: role, name, description and text.

    atspi_read.py PROGRAM_NAME

Exits 3 when no application of that name is on the accessibility bus, 77
when the AT-SPI client library (gir1.2-atspi-2.0) is missing."""
import sys

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
except (ImportError, ValueError) as missing:
    print(f"SKIP: the AT-SPI client library is missing ({missing})")
    sys.exit(77)


def texts(node):
    line = [node.get_role_name() or "", node.get_name() or "", node.get_description() or ""]
    if "Text" in (node.get_interfaces() or []):
        line.append(Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node)) or "")
    return " | ".join(line)


def walk(node, depth=0):
    if node is None or depth > 100:
        return
    print("  " * depth + texts(node))
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), depth + 1)


def main():
    name = sys.argv[1]
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            walk(app)
            return 0
    print(f"no application named {name} on the accessibility bus")
    return 3


sys.exit(main())
