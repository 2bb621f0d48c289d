#!/bin/sh
# Generates the fixtures of the audio tests into the folder given: tones made
# by sox, encoded by lame, then damaged in known ways, and the same tone in
# each encoding of the WAV path.
set -eu
# sox -R seeds its dither with a fixed number, and the junk comes from a
# seeded generator, so every build tests the same bytes.
out=$1
mkdir -p "$out"
cd "$out"
tone() {  # name rate channels seconds frequency
  sox -R -n -r "$2" -c "$3" -b 16 "$1.wav" synth "$4" sine "$5" vol 0.5
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
junk() { python3 -c "import random, sys; random.seed($1); sys.stdout.buffer.write(random.randbytes($2))"; }
junk 1 3000 > junk.bin
cat junk.bin plain44s.mp3 > junkfront.mp3
head -c 12000 plain44s.mp3 > part1.bin
tail -c +20000 plain44s.mp3 > part2.bin
cat part1.bin junk.bin part2.bin > junkmiddle.mp3
# An APE tag after the audio.
cp plain44s.mp3 ape.mp3
printf 'APETAGEX\320\007\000\000\040\000\000\000\000\000\000\000\000\000\000\240\000\000\000\000\000\000\000\000' >> ape.mp3
# Text that merely looks like a file to play, and an empty one.
junk 2 5000 | base64 > noise.mp3
: > empty.mp3
printf 'MThd\000\000\000\006\000\000\000\001\000\140MTrk\000\000\000\004\000\377\057\000' > song.mid
# Three seconds with a LAME header, cut to about half.
tone t3m 44100 1 3 1000
lame --quiet -b 128 t3m.wav lame3m.mp3
head -c $(( $(wc -c < lame3m.mp3) / 2 )) lame3m.mp3 > cut3m.mp3
# Gapless joins: two seconds of a sine cut at an arbitrary sample near a
# crest, each part encoded alone with its LAME header (37,013 and 51,187
# frames), and a sine at 48 kHz to follow a part at 44.1 kHz.
sox -R -n -r 44100 -c 2 -b 16 sine.wav synth 2 sine 1000 vol 0.5
sox sine.wav part1.wav trim 0s 37013s
sox sine.wav part2.wav trim 37013s
lame --quiet -b 128 part1.wav half1.mp3
lame --quiet -b 128 part2.wav half2.mp3
sox -R -n -r 48000 -c 2 -b 16 sine48.wav synth 1 sine 1000 vol 0.5
lame --quiet -b 128 sine48.wav sine48.mp3
# Two seconds of a tone in every encoding of the WAV path; sox writes
# WAVE_FORMAT_EXTENSIBLE for more than two channels or more than 16 bits.
variant() {  # name rate channels frequency sox-options...
  name=$1 rate=$2 channels=$3 frequency=$4
  shift 4
  sox -R -n -r "$rate" -c "$channels" "$@" "$name" synth 2 sine "$frequency" vol 0.5
}
variant pcm8.wav 11025 1 440 -b 8 -e unsigned-integer
variant pcm16.wav 44100 2 1000 -b 16 -t wavpcm
variant pcm24.wav 48000 2 440 -b 24
variant pcm32.wav 96000 1 1000 -b 32 -e signed-integer
variant float32.wav 44100 2 440 -b 32 -e floating-point
variant float64.wav 22050 1 1000 -b 64 -e floating-point
variant quad.wav 44100 4 1000 -b 16
variant six.wav 48000 6 440 -b 24
variant eight.wav 44100 8 1000 -b 16
variant ulaw.wav 8000 1 440 -e u-law
variant alaw.wav 8000 1 1000 -e a-law
variant ima.wav 22050 1 440 -e ima-adpcm
variant ima-stereo.wav 44100 2 1000 -e ima-adpcm
variant msadpcm.wav 22050 2 440 -e ms-adpcm
variant gsm.wav 8000 1 440 -e gsm-full-rate
variant wave64.w64 44100 2 1000 -b 16 -t w64
# Content decides, not the name.
cp pcm16.wav wav-named.mp3
cp lame44s.mp3 mp3-named.wav
rm -f junk.bin part1.bin part2.bin t44s.wav t22m.wav t8m.wav t3m.wav sine.wav part1.wav part2.wav sine48.wav
