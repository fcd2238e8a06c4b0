#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds as a package is built, installs into a staging folder, validates the desktop entry and the
# AppStream data, checks that the help page of every language is in place, makes the .deb and
# .tar.gz and checks the .deb with lintian. Then runs the installed program as root (or a user
# namespace's root) and from a read-only copy as an unprivileged user, and checks that each saved
# its scores to that user's data folder and wrote nothing beside the program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset release
cmake --build --preset release

stage=$(mktemp -d)
root_home=$(mktemp -d)
home=$(mktemp -d)
trap 'chmod -R u+w "$stage"; rm -rf "$stage" "$root_home" "$home"' EXIT
DESTDIR="$stage" cmake --install build/release
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$stage"/usr/share/metainfo/*.xml
# The how-to-play page in English (the desktop's C folder) and in each language, each in its own
# language's help folder.
for language in C de es fr it nl pt; do
  page="$stage/usr/share/help/$language/quinsum/quinsum-help.html"
  written_in=$language
  [ "$language" = C ] && written_in=en
  if ! grep -q "<html lang=\"$written_in\">" "$page" 2>/dev/null; then
    echo "check-install: $page is missing or not written in its folder's language" >&2
    exit 1
  fi
done
(cd build/release && cpack)
lintian --display-info --fail-on error,warning build/release/quinsum_*_amd64.deb

program_folder="$stage/usr/games"
program="$program_folder/quinsum"

# Starts the program as the given command prefix would, closes it as a session ends it once it
# has set up its windows' closing, and waits for it.
run_and_close() {
  "$@" env -u XDG_DATA_HOME QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$program" &
  local pid=$!
  for _ in $(seq 200); do
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    (( (16#$mask >> 14) & 1 )) && break
    sleep 0.05
  done
  sleep 1
  kill -TERM "$pid"
  wait "$pid"
}

expect_scores_in() {
  local scores="$1/.local/share/quinsum/high scores.dat"
  if [ "$(stat -c %s "$scores" 2>/dev/null)" != 5296 ]; then
    echo "check-install: the installed program did not save its scores to $scores" >&2
    exit 1
  fi
}

# Root may write beside the installed program, and must not.
before=$(ls -A "$program_folder")
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(unshare --map-root-user)
run_and_close "${as_root[@]}" env HOME="$root_home"
expect_scores_in "$root_home"
if [ "$(ls -A "$program_folder")" != "$before" ]; then
  echo "check-install: run as root, the installed program wrote into $program_folder" >&2
  exit 1
fi

chmod -R a-w,a+rX "$stage"
chmod a+rx "$stage"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
run_and_close "${as_player[@]}" env HOME="$home"
expect_scores_in "$home"
echo "check-install: installed, validated, help pages in place, packaged, lintian clean; scores saved to the player's data folder, as root too"
