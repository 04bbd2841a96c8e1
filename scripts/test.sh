#!/bin/bash
# Installs what is missing, builds Scenolux with its tests and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" test
cmake -S "$root" -B "$root/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCENOLUX_TESTS=ON
cmake --build "$root/build-test" -j2
# A real sound server with a null sink: the media tests play through it and record it.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
bash "$root/scripts/sound-server.sh"
cd "$root/build-test"
# Here a missing sound server fails the sound tests instead of skipping them.
export SCENOLUX_REQUIRE_SOUND=1
# Each test runs once: one that passes only on a second try has found a fault.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
