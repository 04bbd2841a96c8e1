#!/bin/bash
# Starts a PulseAudio server with a null sink "show" (made the default sink) for the tests,
# unless one already answers. Tests record "show.monitor" to hear what the program plays.
set -euo pipefail
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if ! pactl info >/dev/null 2>&1; then
  pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=show" --load=module-native-protocol-unix \
    || echo "sound server: pulseaudio did not start" >&2
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
if pactl info >/dev/null 2>&1; then
  pactl list short sinks | grep -q '\bshow\b' || pactl load-module module-null-sink sink_name=show >/dev/null
  pactl set-default-sink show
  pactl set-sink-volume show 100%
  echo "sound server: $(pactl info | grep 'Default Sink')"
else
  echo "sound server: none could be started" >&2
  exit 1
fi
