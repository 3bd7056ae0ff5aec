"""Prints the role and name of every accessible object of one application, one per line as
"role|name", read through AT-SPI from the running program. Table cells are left out."""
import sys
import time

import pyatspi


def walk(node, out):
    role = node.getRoleName()
    if role != "table cell":
        out.append("%s|%s" % (role, node.name))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), out)


def main():
    deadline = time.time() + 20
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == sys.argv[1]:
                out = []
                walk(app, out)
                print("\n".join(out))
                return 0
        time.sleep(0.5)
    return 1


sys.exit(main())
