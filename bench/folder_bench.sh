#!/usr/bin/env bash
# Big folders: makes folders of empty .wav files (and a short tone to put at
# the end of each listing), runs folder_bench on them, then times the
# programs' start-up against a minimal window program, the mini player also
# with a remembered folder of 10,000 entries. Runs inside scripts/wine-session.
#   bench/folder_bench.sh BUILD_DIR DIST_DIR [SIZE...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: folder_bench.sh BUILD_DIR DIST_DIR [SIZE...]}" && pwd)
dist=$(cd "${2:?usage: folder_bench.sh BUILD_DIR DIST_DIR [SIZE...]}" && pwd)
shift 2
if [ $# -gt 0 ]; then sizes=("$@"); else sizes=(100 1000 10000 50000); fi
. "$top/scripts/wine-env"
win() { printf 'Z:%s\n' "$(printf '%s' "$1" | sed 's|/|\\|g')"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in "${sizes[@]}" 10000; do
  [ -d "$work/$size" ] && continue
  mkdir "$work/$size"
  (cd "$work/$size" && seq -f 'track %05g.wav' "$size" | xargs -d '\n' touch)
done
sox -n -r 44100 -c 2 -b 16 "$work/tone.wav" synth 2 sine 440 vol 0.4

echo "-- open step, full player (best of 5; bare = FindFirstFileA/FindNextFileA loop + LB_ADDSTRING with redraw off)"
"$wine64" "$build/bench/folder_bench.exe" "$(win "$work")" "$(win "$work/tone.wav")" "${sizes[@]}"

echo "-- start-up (warm wineserver, best of 5)"
plain="$work/plain" remembered="$work/remembered"
mkdir "$plain" "$remembered"
for dir in "$plain" "$remembered"; do
  cp "$dist"/*.exe "$dist"/*.png "$build/bench/minimal_window.exe" "$dir/"
done
printf 'Путь = %s\r\nПозиция = 9999\r\n' "$(win "$work/10000/track 09999.wav")" |
  iconv -f UTF-8 -t CP1251 > "$remembered/плейлист.pcs"
(cd "$plain" && "$wine64" "$build/bench/startup_bench.exe" \
  "minimal window program" minimal_window.exe MinimalWindow \
  deckplayer deckplayer.exe DeckplayerWindow \
  "deckplayer-mini, no remembered folder" deckplayer-mini.exe DeckplayerWindow)
(cd "$remembered" && "$wine64" "$build/bench/startup_bench.exe" \
  "minimal window program" minimal_window.exe MinimalWindow \
  "deckplayer-mini, 10,000-entry folder" deckplayer-mini.exe DeckplayerWindow)
