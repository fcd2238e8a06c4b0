#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Prints the game's accessibility tree as a screen reader sees it over AT-SPI, in each window.

Starts the game on its own virtual display and session bus, then dumps every object's role, name,
states, description and labelling relation: the first settings, the dealt board, the menu, the high
scores, and a challenge (reached by claiming cells with the keyboard). Needs xvfb, xdotool,
at-spi2-core, dbus-x11, openbox and python3-pyatspi.

Usage: tools/atspi-tree.py [program]   (default build/default/app/quinsum)
"""
import os
import subprocess
import sys
import tempfile
import time

DISPLAY = ":86"
SHOWN_STATES = ("focusable", "focused", "checkable", "checked", "selected", "showing", "editable")


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=False)
        time.sleep(0.4)


def dump(title):
    import pyatspi

    time.sleep(1.5)
    print(f"== {title}")
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "quinsum":
            for window in app:
                if window.getState().contains(pyatspi.STATE_ACTIVE):
                    walk(window, 0)


def walk(node, depth):
    import pyatspi

    states = [pyatspi.stateToString(s) for s in node.getState().getStates()]
    shown = ",".join(s for s in states if s in SHOWN_STATES and s != "showing")
    labelled = [
        r.getTarget(0).name
        for r in node.getRelationSet()
        if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
    ]
    line = f"{'  ' * depth}[{node.getRoleName()}] {node.name!r}"
    if shown:
        line += f" ({shown})"
    if node.description:
        line += f" description={node.description!r}"
    if labelled:
        line += f" labelled-by={labelled}"
    if "showing" in states or depth == 0:
        print(line)
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def inside(program):
    env = {**os.environ, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "SDL_AUDIODRIVER": "dummy"}
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    # A window manager, so that the window in front is active and takes the keys.
    manager = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)
    time.sleep(1)
    game = subprocess.Popen([program], env=env)
    try:
        time.sleep(3)
        dump("the first settings")
        keys("Return")
        dump("the dealt board")
        keys("Return")
        dump("the menu")
        keys("Tab", "Return")
        dump("the high scores")
        keys("Escape", "Tab")
        for move in ("space", "Right", "space", "Right", "space", "Down", "space", "Left", "space"):
            keys(move)
            time.sleep(0.8)
        dump("after some claims (a challenge if one opened)")
    finally:
        game.kill()
        manager.kill()
        bus.kill()


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--inside":
        inside(sys.argv[2])
        return
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/default/app/quinsum")
    home = tempfile.mkdtemp(prefix="quinsum-atspi-")
    xvfb = subprocess.Popen(["Xvfb", DISPLAY, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        env = {**os.environ, "DISPLAY": DISPLAY, "HOME": home, "XDG_RUNTIME_DIR": home,
               "XDG_CONFIG_HOME": os.path.join(home, "config"),
               "XDG_DATA_HOME": os.path.join(home, "data")}
        subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                        "--inside", program], env=env, check=False)
    finally:
        xvfb.kill()


if __name__ == "__main__":
    main()
