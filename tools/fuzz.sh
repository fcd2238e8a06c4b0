#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets (preset "fuzz": clang, ASan + UBSan) and runs each in turn for the
# given time on a copy of its checked-in corpus, so what it finds stays out of the source tree.
# Fails when any target crashes or breaks an invariant; the input is kept in build/fuzz/artifacts/.
# Usage: tools/fuzz.sh [seconds-per-target]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
tools/install-deps.sh
cmake --preset fuzz
cmake --build --preset fuzz

work=build/fuzz/run
artifacts=build/fuzz/artifacts
mkdir -p "$work" "$artifacts"
failed=()
for source in fuzz/*Fuzzer.cpp; do
  target=$(basename "$source" .cpp)
  corpus="$work/${target%Fuzzer}"
  rm -rf "$corpus"
  cp -R "fuzz/corpus/${target%Fuzzer}" "$corpus"
  echo "== $target: ${seconds}s"
  # -close_fd_mask=3 silences what the code under test prints; libFuzzer and the sanitizers still report.
  if ! "build/fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -close_fd_mask=3 \
       -artifact_prefix="$artifacts/$target-" "$corpus"; then
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Failed: ${failed[*]} (inputs in $artifacts/)" >&2
  exit 1
fi
