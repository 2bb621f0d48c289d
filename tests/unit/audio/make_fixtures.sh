#!/bin/sh
# Generates the MP3 fixtures of the audio tests into the folder given:
# tones made by sox, encoded by lame, then damaged in known ways.
set -eu
out=$1
mkdir -p "$out"
cd "$out"
tone() {  # name rate channels seconds frequency
  sox -D -n -r "$2" -c "$3" -b 16 "$1.wav" synth "$4" sine "$5" vol 0.5
}
tone t44s 44100 2 2 1000
tone t22m 22050 1 2 1000
tone t8m 8000 1 2 440
# MPEG 1 stereo with the LAME/Xing header (exact, gapless length), the same
# without it (the length has to be scanned), MPEG 2 and MPEG 2.5 mono.
lame --quiet -b 128 t44s.wav lame44s.mp3
lame --quiet -b 128 -t t44s.wav plain44s.mp3
lame --quiet -b 64 -m m t22m.wav lame22m.mp3
lame --quiet -b 32 -m m t8m.wav lame8m.mp3
lame --quiet -b 128 --add-id3v2 --tt "tagged" --ta "nobody" t44s.wav id3.mp3
# Cut in half: the LAME header still promises two seconds.
size=$(wc -c < lame44s.mp3)
head -c $((size / 2)) lame44s.mp3 > truncated.mp3
# Junk before the first frame and a damaged stretch in the middle.
head -c 3000 /dev/urandom > junk.bin
cat junk.bin plain44s.mp3 > junkfront.mp3
head -c 12000 plain44s.mp3 > part1.bin
tail -c +20000 plain44s.mp3 > part2.bin
cat part1.bin junk.bin part2.bin > junkmiddle.mp3
# An APE tag after the audio.
cp plain44s.mp3 ape.mp3
printf 'APETAGEX\320\007\000\000\040\000\000\000\000\000\000\000\000\000\000\240\000\000\000\000\000\000\000\000' >> ape.mp3
# Text that merely looks like a file to play, and an empty one.
head -c 5000 /dev/urandom | base64 > noise.mp3
: > empty.mp3
printf 'MThd\000\000\000\006\000\000\000\001\000\140MTrk\000\000\000\004\000\377\057\000' > song.mid
rm -f junk.bin part1.bin part2.bin t44s.wav t22m.wav t8m.wav
