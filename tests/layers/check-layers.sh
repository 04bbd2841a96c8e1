#!/bin/bash
# The layers of src/ include only downwards: platform/ includes nothing of ours above it, core/
# nothing but itself, Qt and the standard library (its library links Qt Core alone), the media
# and display subsystems no widget, and below the view only the files still listed here include
# the main window. The list may only shrink:
# a file that stops including the window must leave it, and a new one fails.
set -uo pipefail
src="$1"
cd "$src" || exit 2
status=0

# platform/: nothing above it.
upward=$(grep -rnE '#[[:space:]]*include[[:space:]]*[<"](ui|app|i18n|media|script|show|display|registry|core)/' platform)
if [ -n "$upward" ]; then
  echo "platform/ includes a layer above it:"; echo "$upward"; status=1
fi

# core/: the show's state; its library links Qt Core alone, so the build rejects other Qt.
below=$(grep -rnE '#[[:space:]]*include[[:space:]]*[<"]' core 2>/dev/null |
  grep -vE '#[[:space:]]*include[[:space:]]*("core/|<Q[A-Za-z]*>|<QtCore/|<[a-z_]+>)')
if [ -n "$below" ]; then
  echo "core/ includes something other than core/, Qt and the standard library:"
  echo "$below"; status=1
fi

# No widget in the media and display subsystems, panic, the interpreter and the core: neither a
# Qt Widgets header (looked up in the folder given as the second argument) nor a widget of ours
# (the view, the widget stand-ins).
qt_widgets="${2:-}"
for f in $(ls media/* display/* core/* show/Panic.* script/Interprete.* 2>/dev/null); do
  ours=$(grep -nE '#[[:space:]]*include[[:space:]]*"(ui/|platform/widgets/|platform/RichTextBox\.h|platform/QtDialogs\.h)' "$f")
  [ -n "$ours" ] && { echo "$f includes a widget:"; echo "$ours"; status=1; }
  [ -d "$qt_widgets" ] || continue
  for h in $(grep -oE '#[[:space:]]*include[[:space:]]*<(QtWidgets/)?Q[A-Za-z]+>' "$f" |
             sed -E 's/.*<(QtWidgets\/)?(Q[A-Za-z]+)>/\2/'); do
    [ -e "$qt_widgets/$h" ] && { echo "$f includes <$h>, a Qt Widgets header"; status=1; }
  done
done

# The files below the view that still include the main window, while they move to the core.
still_allowed="
"
including=$(grep -rlE '#[[:space:]]*include[[:space:]]*[<"]ui/Form1\.h[>"]' . | sed 's|^\./||' |
  grep -vE '^(ui/|app/main\.cpp$)' | sort)
for f in $including; do
  if ! grep -qxF "$f" <<<"$still_allowed"; then
    echo "$f includes ui/Form1.h: below the view, take the core instead"; status=1
  fi
done
for f in $still_allowed; do
  if ! grep -qxF "$f" <<<"$including"; then
    echo "$f no longer includes ui/Form1.h: take it off the list in $0"; status=1
  fi
done
[ $status -eq 0 ] && echo "layers: platform/ includes nothing above it;" \
  "core/ only itself and Qt Core; media/, display/, core/, panic and the interpreter no" \
  "widget; $(wc -w <<<"$including") files below the view still include ui/Form1.h"
exit $status
