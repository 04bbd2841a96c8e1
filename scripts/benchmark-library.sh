#!/bin/bash
# Builds Google Benchmark in Release from Debian's source package of the installed version and
# installs it under the given folder (once; later runs reuse it). Debian's own library is built
# without NDEBUG, so it warns that it is a debug build and its own timing code runs checked.
# Usage: scripts/benchmark-library.sh PREFIX
set -euo pipefail
prefix="$(realpath -m "$1")"
[ -f "$prefix/lib/cmake/benchmark/benchmarkConfig.cmake" ] && exit 0

work="$prefix.work"
rm -rf "$work"
mkdir -p "$work/lists/partial"
# Debian's source index in a private list folder: the machine's apt setup is left as it is.
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
  >"$work/sources.list"
apt=(-q -o Dir::Etc::sourcelist="$work/sources.list" -o Dir::Etc::sourceparts=- -o Dir::State::Lists="$work/lists")
apt-get "${apt[@]}" update >/dev/null
(cd "$work" && apt-get "${apt[@]}" source --download-only benchmark >/dev/null 2>&1)
dsc="$(ls "$work"/benchmark_*.dsc | head -n1)"
version="$(basename "$dsc" .dsc | sed 's/^benchmark_//; s/-[^-]*$//')"
# The Debian patches applied, as Debian builds it (apt has checked the files against the
# signed index already).
dpkg-source --no-check -x "$dsc" "$work/source" >/dev/null
cmake -S "$work/source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGIT_VERSION="$version" \
  -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
  -DBENCHMARK_INSTALL_DOCS=OFF -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib >/dev/null
cmake --build "$work/build" -j2
cmake --install "$work/build" >/dev/null
rm -rf "$work"
