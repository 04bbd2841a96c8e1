#!/bin/bash
# Makes the demo show's media, all our own: a short music cue, a video with sound, a picture
# and a MIDI tune. Needs sox and ffmpeg. The outputs are committed; run this to make them anew.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p music video pictures midi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Music: a rising C major arpeggio with a soft pad under it, 8 seconds.
sox -n -r 22050 -c 1 "$tmp/pad.wav" synth 8 sine 130.8 sine 164.8 sine 196 remix - fade 1 8 2 vol 0.5
sox -n -r 22050 -c 1 "$tmp/arp.wav" synth 0.5 pluck C4 : synth 0.5 pluck E4 : synth 0.5 pluck G4 \
  : synth 0.5 pluck C5 : synth 0.5 pluck G4 : synth 0.5 pluck E4 : synth 0.5 pluck C4 : synth 4.5 pluck C5
sox -m "$tmp/pad.wav" "$tmp/arp.wav" "$tmp/intro.wav" norm -3
ffmpeg -loglevel error -y -i "$tmp/intro.wav" -codec:a libmp3lame -b:a 48k music/intro.mp3

# Video: a moving test picture with a tone, 6 seconds.
ffmpeg -loglevel error -y -f lavfi -i "testsrc2=duration=6:size=320x180:rate=25" \
  -f lavfi -i "sine=frequency=330:duration=6" -c:v mpeg4 -b:v 150k -c:a aac -b:a 48k \
  -shortest video/clip.mp4

# Picture: a title card.
ffmpeg -loglevel error -y -f lavfi -i "color=c=0x202040:size=960x540" -frames:v 1 \
  -vf "drawbox=x=80:y=80:w=800:h=380:color=0xFF8000@0.8:t=8" -q:v 4 pictures/slide.jpg

# MIDI: four notes, a quarter second each (format 0, 96 ticks a quarter note).
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x24' > midi/tune.mid
for n in 3c 40 43 48; do printf "\x00\x90\x$n\x64\x30\x80\x$n\x00" >> midi/tune.mid; done
printf '\x00\xff\x2f\x00' >> midi/tune.mid
