#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game again and again on a private X server (Xvfb), with no session-bus address and with
# one that leads nowhere, and fails unless every start shows the board within 20 seconds. With no
# address, the first accessibility call makes libdbus fork to start a bus; a fork while a worker
# thread held a lock once left the child stuck and the game waiting for it.
# Usage: tools/check-start.sh [PROGRAM [STARTS]]   (default build/default/app/quinsum, 5 of each)
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/app/quinsum}
starts=${2:-5}

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# The copy's scores go beside it; an empty runtime folder holds no bus socket to fall back on.
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
cp "$program" "$work/quinsum"

# One start: 0 when the board is shown, 1 when the game still runs without it after 20 seconds,
# 2 when the game ended first (its messages in $work/messages).
start_game() {
  DISPLAY=$display XDG_RUNTIME_DIR=$work SDL_AUDIODRIVER=dummy "$work/quinsum" 2>"$work/messages" &
  local game=$! outcome=1
  for _ in $(seq 200); do
    if xwininfo -display "$display" -name 'Quinsum 2.0' 2>/dev/null | grep -q 'Map State: IsViewable'; then
      outcome=0
      break
    fi
    if ! kill -0 "$game" 2>/dev/null; then
      outcome=2
      break
    fi
    sleep 0.1
  done
  kill -KILL "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  return "$outcome"
}

failures=0
for bus in none unix:path=/nonexistent; do
  if [ "$bus" = none ]; then
    unset DBUS_SESSION_BUS_ADDRESS
  else
    export DBUS_SESSION_BUS_ADDRESS=$bus
  fi
  for start in $(seq "$starts"); do
    # Xvfb now and then refuses a connection made at the same moment as another (the probe's): such
    # a start is tried again a moment later.
    for _ in 1 2 3 4 5; do
      outcome=0
      start_game 2>/dev/null || outcome=$?
      [ "$outcome" -eq 2 ] && grep -q 'could not connect to display' "$work/messages" || break
      sleep 0.5
    done
    case $outcome in
    1) echo "start $start with session bus $bus: no board after 20 seconds" >&2 ;;
    2) echo "start $start with session bus $bus ended: $(head -1 "$work/messages")" >&2 ;;
    esac
    [ "$outcome" -eq 0 ] || failures=$((failures + 1))
  done
done
echo "$((2 * starts - failures)) of $((2 * starts)) starts showed the board"
[ "$failures" -eq 0 ]
