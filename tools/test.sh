#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs the whole test suite.
# Usage: tools/test.sh [preset]   (default: "default"; "sanitize" for AddressSanitizer + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
tools/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
