#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays a whole game by keys under the Orca screen reader and keeps everything Orca says.

Ann against the novice computer: the first settings, the menu with the sound switched off and on,
the high scores in two ranges, then the board walked cell by cell with the arrow keys, Space
claiming each free cell, every challenge answered (the first one wrongly first) from the question
Orca speaks, and the end of the game. Needs the rig of ../shared/a11y/orca-run.sh (orca,
speech-dispatcher, at-spi2-core, dbus-x11, openbox, xvfb, xdotool).

Usage: tools/orca-game.py [program] [outdir]   (default build/default/app/quinsum, /tmp/quinsum-orca)
Prints what Orca said at each step; the whole speech is in OUTDIR/spoken.txt.
"""
import os
import re
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
RIG = os.path.join(HERE, "..", "..", "shared", "a11y", "orca-run.sh")
PROGRAM = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/default/app/quinsum")
OUT = sys.argv[2] if len(sys.argv) > 2 else "/tmp/quinsum-orca"
DISPLAY = ":87"
QUESTION = re.compile(r"(-?\d+) \+ (-?\d+) \+ (-?\d+) =")

heard = 0


def spoken():
    with open(os.path.join(OUT, "spoken.txt"), encoding="utf-8", errors="replace") as f:
        return f.read().splitlines()


def step(title, settle=2.0):
    """Prints what Orca said since the last step."""
    global heard
    time.sleep(settle)
    lines = spoken()
    print(f"== {title}")
    for line in lines[heard:]:
        if line.strip() not in ("", "space", "tab", "right", "left", "up", "down", "return", "escape"):
            print("   " + line)
    new = lines[heard:]
    heard = len(lines)
    return new


def until(text, timeout=15.0):
    """Waits until Orca has said something holding `text` since the last step."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        if any(text in line for line in spoken()[heard:]):
            return True
        time.sleep(0.2)
    return False


def keys(*names, pause=0.35):
    for name in names:
        subprocess.run(["xdotool", "key", name], env={**os.environ, "DISPLAY": DISPLAY}, check=False)
        time.sleep(pause)


def type_text(text):
    subprocess.run(["xdotool", "type", text], env={**os.environ, "DISPLAY": DISPLAY}, check=False)


def open_question(new):
    """The sum a challenge that has just opened asks for, from its question as Orca spoke it."""
    for line in reversed(new):
        match = QUESTION.search(line)
        if match and "dialog" in line:
            return sum(int(n) for n in match.groups())
    return None


def read_lists():
    """Tabs from the board to the lists of lines scored and walks one of them."""
    for _ in range(30):
        keys("Tab")
        if until("Lines scored by", 1.0):
            break
    step("a list of lines scored")
    keys("Down", "Down")
    step("the list's next lines")


def main():
    subprocess.run(["bash", RIG, OUT, DISPLAY, PROGRAM], check=True)
    try:
        until("Enter name for first player text", 30)
        step("the first settings", 1)
        keys("ctrl+a")
        type_text("Ann")
        keys("Return")
        until("New game")
        step("Done: the game is dealt")

        keys("Return")  # the focus starts on Options
        until("OK push button")
        step("the menu")
        keys("Tab", "Tab", "Tab", "Tab", "Tab")
        until("Sound check box")
        step("the sound switch")
        keys("space")
        step("sound switched off")
        keys("space")
        step("sound switched on")
        keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "Return")
        until("Done push button")
        step("the high scores")
        keys("Tab", "Right")
        step("the high scores of another range")
        keys("Escape")
        until("Options push button")
        step("back on the board")

        keys("Tab")
        wrong_given = False
        for row in range(5):
            for step_in_row in range(5):
                keys("space", pause=0.2)
                recent = step("a claim and the computer's move", 3.2)
                for _ in range(6):
                    answer = open_question(recent)
                    if answer is None:
                        break
                    if not wrong_given:
                        type_text(str(answer + 1))
                        keys("Return")
                        recent = step("a wrong answer", 2.5)
                        wrong_given = True
                        continue
                    type_text(str(answer))
                    keys("Return")
                    recent = step("the right answer", 3.2)
                # The game ends on a right answer or on the computer's last line: the high scores open.
                if any("Game over" in line or "High Scores dialog" in line for line in recent):
                    step("the end of the game", 4)
                    keys("Return")
                    step("after the high scores", 2)
                    read_lists()
                    return
                if step_in_row < 4:
                    keys("Right" if row % 2 == 0 else "Left")
            keys("Down")
        step("the end", 5)
    finally:
        subprocess.run(["bash", RIG, "--stop", OUT], check=False)


if __name__ == "__main__":
    main()
