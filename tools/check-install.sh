#!/usr/bin/env bash
# Builds as a package is built, installs into a staging folder, validates the desktop entry and the
# AppStream data, makes the .deb and .tar.gz, then runs the installed program from a read-only copy
# as an unprivileged user and checks that its scores went to that user's data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset release
cmake --build --preset release

stage=$(mktemp -d)
home=$(mktemp -d)
trap 'chmod -R u+w "$stage"; rm -rf "$stage" "$home"' EXIT
DESTDIR="$stage" cmake --install build/release
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.xml
(cd build/release && cpack)

chmod -R a-w,a+rX "$stage"
chmod a+rx "$stage"
run_as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  run_as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${run_as_player[@]}" env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  "$stage/usr/bin/quinsum" &
pid=$!
# Closed as a session ends it, once the program has set up its windows' closing.
for _ in $(seq 200); do
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  (( (16#$mask >> 14) & 1 )) && break
  sleep 0.05
done
sleep 1
kill -TERM "$pid"
wait "$pid"

scores="$home/.local/share/quinsum/high scores.dat"
if [ "$(stat -c %s "$scores" 2>/dev/null)" != 5296 ]; then
  echo "check-install: the installed program did not save its scores to $scores" >&2
  exit 1
fi
echo "check-install: installed, validated, packaged; scores saved to the player's data folder"
