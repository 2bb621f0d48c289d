#!/bin/sh
# Makes the bench's sound files, times the command-line mpg123 on the MP3
# natively, then runs audio_bench under Wine on the folder with that time for
# the ratio.
#   bench/audio_bench.sh [BUILD_DIR]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build/x86_64-w64-mingw32}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox -n -r 44100 -c 2 -b 16 "$work/minute.wav" synth 60 sine 440 sine 660 vol 0.4
lame --quiet -b 192 "$work/minute.wav" "$work/minute.mp3"
# An hour without a LAME header: its length has to be scanned.
lame --quiet -b 192 -t "$work/minute.wav" "$work/plain.mp3"
for i in $(seq 60); do cat "$work/plain.mp3"; done > "$work/hour.mp3"
# An hour with a LAME header, cut in half: the header promises twice what
# the file holds. (-q 9: the fastest encoding; the frames are what counts.)
sox -n -r 44100 -c 2 -b 16 -t wav - synth 3600 sine 440 vol 0.4 2>/dev/null | lame --quiet -q 9 -b 128 - "$work/hour-lame.mp3"
head -c $(( $(wc -c < "$work/hour-lame.mp3") / 2 )) "$work/hour-lame.mp3" > "$work/hour-cut.mp3"
# The same minute in the WAV path's other encodings.
sox "$work/minute.wav" -b 24 "$work/minute-24.wav"
sox "$work/minute.wav" -e u-law "$work/minute-ulaw.wav"
sox "$work/minute.wav" -e ima-adpcm "$work/minute-ima.wav"
best=""
for run in 1 2 3 4 5; do
  start=$(date +%s%N)
  mpg123 -q -s "$work/minute.mp3" > /dev/null
  took=$(( $(date +%s%N) - start ))
  if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
done
# LC_ALL=C: under the project's ru_RU locale awk would write "0,078", which
# the benchmark refuses.
native=$(LC_ALL=C awk "BEGIN { printf \"%.6f\", $best / 1e9 }")
# The path as Wine names it: drive Z: is /. (printf, not dash's echo, which
# would read the backslashes as escapes.)
win() { printf 'Z:%s\n' "$(printf '%s' "$1" | sed 's|/|\\|g')"; }
"$top/scripts/wine-session" /usr/lib/wine/wine64 "$build/bench/audio_bench.exe" "$(win "$work")" "$native"
