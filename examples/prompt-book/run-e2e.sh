#!/bin/bash
# Opens the Word-style prompt book on a real X display (Xvfb + openbox), double-clicks the
# [[tone.wav]] cue in its table's right-hand column and records the null sink: prints the RMS
# level heard and leaves the screenshot in $E2E_DIR/prompt-book.png.
# Usage: run-e2e.sh PROGRAM_FOLDER   (a built scenolux with Files/ and Lang/, outside $E2E_DIR)
# The click lands on the cue as laid out on a 1920x1080 screen; set CUE_X and CUE_Y to move it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
export E2E_DIR=${E2E_DIR:-/tmp/scenolux-e2e}
# The shared end-to-end helpers sit beside the checkout.
source "$here/../../../shared/tools/e2e.sh"
PROGDIR=$1
PROGRAM=$PROGDIR/scenolux
e2e_fresh_program
show=$E2E_DIR/show
mkdir -p "$show"
cp "$here/hamlet-prompt-book.rtf" "$show/"
sox -n -r 44100 -c 2 "$show/tone.wav" synth 6 sine 440 vol 0.5
trap e2e_stop EXIT
e2e_start
e2e_launch "$show" "$show/hamlet-prompt-book.rtf"
e2e_hold_sink
parec -d show.monitor --file-format=wav "$E2E_DIR/prompt-book.wav" & rec=$!
sleep 0.5
xdotool mousemove "${CUE_X:-480}" "${CUE_Y:-227}" click --repeat 2 --delay 80 1
sleep 2.5
e2e_shot "$E2E_DIR/prompt-book.png"
kill -INT "$rec"; wait "$rec" 2>/dev/null || true
e2e_release_sink
echo "RMS at the sink: $(e2e_rms "$E2E_DIR/prompt-book.wav")"
