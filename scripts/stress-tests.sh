#!/bin/bash
# Runs the sound and show tests N times (default 20) while a CPU load keeps every core busy, and
# prints how often each test passed. Build first (scripts/test.sh); the sound server is started
# as the test command starts it.
# Usage: scripts/stress-tests.sh [N]
# With SCENOLUX_SOUND_LOCK=FILE each suite runs holding that lock (flock), so that other runs on
# the same sound server wait for it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-20}"
build="$root/build-test"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
export QT_QPA_PLATFORM=offscreen
bash "$root/scripts/sound-server.sh" >/dev/null

# One busy loop per core, for as long as the runs last.
load=()
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  load+=($!)
done
trap 'kill "${load[@]}" 2>/dev/null || true' EXIT

results="$(mktemp -d)"
for i in $(seq "$runs"); do
  for suite in media_tests show_tests platform_tests; do
    lock=()
    [ -n "${SCENOLUX_SOUND_LOCK:-}" ] && lock=(flock "$SCENOLUX_SOUND_LOCK")
    "${lock[@]}" "$build/$suite" --gtest_output="xml:$results/$suite-$i.xml" >/dev/null 2>&1 || true
  done
  echo "run $i of $runs done" >&2
done

# Each test case: how many of the runs it passed.
python3 - "$results" "$runs" <<'PY'
import glob, sys, xml.etree.ElementTree as ET
folder, runs = sys.argv[1], int(sys.argv[2])
passed = {}
for f in glob.glob(folder + "/*.xml"):
    for case in ET.parse(f).getroot().iter("testcase"):
        name = case.get("classname") + "." + case.get("name")
        ok = case.find("failure") is None and case.get("result", "completed") == "completed"
        passed[name] = passed.get(name, 0) + (1 if ok else 0)
short = 0
for name in sorted(passed):
    mark = "" if passed[name] == runs else "   <--"
    short += passed[name] != runs
    print(f"{passed[name]:3d}/{runs}  {name}{mark}")
print(f"{len(passed)} tests, {short} passed fewer than {runs} times")
sys.exit(1 if short else 0)
PY
