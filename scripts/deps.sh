#!/bin/bash
# Installs the Debian packages Scenolux needs, only those that are missing.
# Usage: scripts/deps.sh run|test|package|bench|fuzz
set -euo pipefail

common=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
        # remote control over OSC
        liblo-dev
        # MIDI control in, on the ALSA sequencer and on JACK
        librtmidi-dev libjack-jackd2-dev
        libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev libasound2-dev libasound2-plugins libfontconfig-dev
        # noticing the sound server go away and come back
        libpulse-dev
        gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
        gstreamer1.0-libav
        # .wma and .wmv (the ASF demuxer)
        gstreamer1.0-plugins-ugly
        # MIDI: GStreamer's synthesizer looks for this General MIDI sound font by name
        fluid-soundfont-gm
        gstreamer1.0-pulseaudio fonts-dejavu-core fonts-liberation
        # Qt's own texts (dialog buttons, file dialogs) in the operator's language
        qt6-translations-l10n
        # holding off the X screen saver
        libx11-dev
        # the remote page: its server and socket, and its address as a QR code
        qt6-httpserver-dev qt6-websockets-dev libqrencode-dev)
run=(qt6-qpa-plugins)
test=(libgtest-dev pandoc poppler-utils
      # LibreOffice's reading of the RTF we write (soffice --convert-to)
      libreoffice-writer-nogui pulseaudio pulseaudio-utils gstreamer1.0-pulseaudio
      # oscsend and oscdump drive the remote control
      liblo-tools
      # a JACK server with a dummy driver carries the MIDI of the MIDI control tests
      jackd2
      ffmpeg sox
      # desktop integration: the file association as the desktop reads it, a private session
      # bus, an X server of the test's own and its idle count
      xdg-utils shared-mime-info desktop-file-utils libfile-mimeinfo-perl dbus-daemon xvfb
      libxss-dev
      # the remote page in a real browser
      chromium)
# the Debian package: its dependencies worked out by dpkg-shlibdeps
package=(qt6-qpa-plugins dpkg-dev file)
# Google Benchmark is built in Release from Debian's source package (scripts/benchmark-library.sh)
bench=(dpkg-dev)
fuzz=(clang libclang-rt-14-dev)

wanted=("${common[@]}")
case "${1:-run}" in
  run) wanted+=("${run[@]}") ;;
  package) wanted+=("${package[@]}") ;;
  test) wanted+=("${test[@]}") ;;
  bench) wanted+=("${test[@]}" "${bench[@]}") ;;
  fuzz) wanted+=("${test[@]}" "${fuzz[@]}") ;;
  *) echo "usage: $0 run|test|package|bench|fuzz" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
