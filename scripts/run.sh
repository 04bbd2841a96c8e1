#!/bin/bash
# Installs what is missing, builds Scenolux and starts it on the bundled example show.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" run
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCENOLUX_TESTS=OFF
cmake --build "$root/build" -j2 --target scenolux
# Cues name their media relative to the script's folder, so the show starts there.
cd "$root/examples/demo"
exec "$root/build/scenolux" "$root/examples/demo/demo.snx"
