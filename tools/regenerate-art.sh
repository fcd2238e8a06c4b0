#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Rebuilds the art and sound generator (tools/artgen) and regenerates every bitmap, cursor, icon and
# wave sound in resources/. The output is byte-identical from run to run.
# Usage: tools/regenerate-art.sh [--preview DIR]   (--preview also writes a contact sheet and mock-ups)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/art/regenerate
cmake -S tools/artgen -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target quinsum-artgen
QT_QPA_PLATFORM=offscreen "$build/quinsum-artgen" resources "$@"
