#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes packaging/screenshot.png, the store listing's picture, from the real game: starts the built
# program on a private Xvfb server, confirms the first settings (a person against the novice
# computer), claims a few cells that can complete no line of the person's, lets the computer answer,
# and takes the board window. Run it again after any change of the look.
# Usage: packaging/make-screenshot.sh [program]   (default: build/default/app/quinsum)
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/default/app/quinsum}"
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "make-screenshot: needs $tool (xvfb, xdotool, imagemagick)" >&2; exit 1; }
done

display=":$((90 + RANDOM % 100))"
home=$(mktemp -d)
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
server=$!
game=
trap '[ -n "$game" ] && kill "$game" && wait "$game"; kill "$server"; rm -rf "$home"' EXIT
export DISPLAY="$display"
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

HOME="$home" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$program" &
game=$!
window_named() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
    sleep 0.1
  done
  return 1
}
settings=$(window_named '^Settings for this Game')
sleep 0.5
xdotool key --window "$settings" Return
board=$(window_named '^Quinsum ')
sleep 0.5

# Cells are 76 pixels square from (8, 8) of the board's client area; these four are two apart, so
# no three of them make a line and no challenge interrupts the script.
eval "$(xdotool getwindowgeometry --shell "$board")"
for cell in "1 1" "3 1" "1 3" "3 3"; do
  read -r col row <<<"$cell"
  sleep 1.6  # the computer moves at the next tick of its one-second timer
  xdotool mousemove $((X + 8 + 76 * col + 38)) $((Y + 8 + 76 * row + 38)) click 1
done
sleep 1.6
xdotool mousemove $((X + 700)) $((Y + 400))
sleep 0.5
import -window "$board" packaging/screenshot.png
echo "make-screenshot: packaging/screenshot.png"
