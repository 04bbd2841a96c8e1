#!/bin/bash
# Builds Scenolux in Release and makes the Debian package of it:
#   build-package/scenolux_<version>_amd64.deb
# Install it with: sudo apt install ./build-package/scenolux_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" package
# Debian's own compiler and linker flags, every hardening option on.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S "$root" -B "$root/build-package" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DSCENOLUX_TESTS=OFF
cmake --build "$root/build-package" -j2 --target all
(cd "$root/build-package" && cpack -G DEB)
ls -1 "$root"/build-package/scenolux_*.deb
