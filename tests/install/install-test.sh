#!/bin/bash
# Installs the build into a staging folder (DESTDIR) the way the package lays it out, then
# runs the installed program from there: its usage and version, and a start on the demo show
# that must find its own languages, pictures and help, and write nothing among its files.
# Usage: install-test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build="$1"
source=$(cd "$2" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
  { cat "$stage/install.log"; echo "FAIL: cmake --install"; exit 1; }
root="$stage/usr"
data="$root/share/scenolux"

# The layout Debian expects.
for f in bin/scenolux share/applications/scenolux.desktop share/mime/packages/scenolux.xml \
         share/icons/hicolor/scalable/apps/scenolux.svg share/man/man1/scenolux.1.gz \
         share/scenolux/Scenolux.ini share/scenolux/Versioni.txt; do
  [ -f "$root/$f" ] || fail "$f is not installed"
done
# Every language, picture and help page the build lays beside the program is installed.
for folder in Lang Files Help; do
  expected=$(cd "$build" && find "$folder" -type f \( -name '*.lng' -o -name '*.jpg' -o \
             -name '*.png' -o -name '*.html' -o -name '*.css' \) | sort)
  installed=$(cd "$data" && find "$folder" -type f | sort)
  [ "$expected" = "$installed" ] ||
    fail "$folder/ differs from the build's: $(diff <(echo "$expected") <(echo "$installed") | tr '\n' ' ')"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/share/applications/scenolux.desktop" || fail "desktop entry invalid"
fi
gzip -t "$root/share/man/man1/scenolux.1.gz" || fail "manual page is not a gzip file"
zcat "$root/share/man/man1/scenolux.1.gz" | grep -qF -- '\-\-pack' || fail "manual page lacks --pack"
zcat "$root/share/man/man1/scenolux.1.gz" | grep -q 'share/scenolux/Help/' ||
  fail "manual page does not name the installed help folder"

# --help and --version: standard output, exit 0, no display needed.
version=$(env -u DISPLAY -u QT_QPA_PLATFORM "$root/bin/scenolux" --version) || fail "--version exit $?"
grep -qE '^Scenolux [0-9]+\.[0-9]+' <<<"$version" || fail "--version said: $version"
help=$(env -u DISPLAY -u QT_QPA_PLATFORM "$root/bin/scenolux" --help) || fail "--help exit $?"
for word in --check --pack --help --version "Program files: $data"; do
  grep -qF -- "$word" <<<"$help" || fail "--help lacks '$word'"
done
helpfile=$(sed -n 's/^Help: \([^ ]*\).*/\1/p' <<<"$help")
[ -f "$helpfile" ] || fail "--help names a help page that is not there: '$helpfile'"

# A start of the installed copy on the demo show. A language file it could not find would
# stop it at a message box, which never closes here: the timeout catches that.
home="$stage/home"
mkdir -p "$home"
before=$(cd "$data" && find . -type f -exec md5sum {} + | sort)
( cd "$source/examples/demo" &&
  HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  QT_QPA_PLATFORM=offscreen SCENOLUX_QUIT_WHEN_SHOWN=1 \
  timeout 60 "$root/bin/scenolux" "$source/examples/demo/demo.snx" ) >"$stage/run.log" 2>&1
run=$?
[ $run -eq 0 ] || { cat "$stage/run.log"; fail "the installed program's start ended with $run"; }
after=$(cd "$data" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || fail "the installed program wrote among its own files"
# The package registers the type for every user: the user's own entry would outlive it.
[ ! -e "$home/.local/share/applications/scenolux.desktop" ] ||
  fail "the installed copy registered a desktop entry of the user's own"

[ $status -eq 0 ] && echo "install: laid out under $root, --help, --version and a start on the demo show pass"
exit $status
