#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop benchmark in one command: builds the game, the floor and the probe, starts a private X
# server (Xvfb), measures, prints, and stops the server.
# Usage: bench/desktop/run.sh [--rounds N] [--idle-seconds S] [--clicks K]
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quinsum quinsum-floor quinsum-desktop-bench >/dev/null

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

work=$(mktemp -d)
export DISPLAY=$display XDG_RUNTIME_DIR=$work
build/default/bench/desktop/quinsum-desktop-bench --game build/default/app/quinsum \
  --floor build/default/bench/desktop/quinsum-floor --work "$work" "$@"
rm -rf "$work"
