#!/bin/bash
# The layers of src/ include only downwards: platform/ includes nothing of ours above it, core/
# nothing but itself, Qt and the standard library (its library links Qt Core alone), no
# subsystem a widget, and below the view only the files still listed here include the main
# window. The list may only shrink: a file that stops including the window must leave it, and a
# new one fails. (The engine's library links no Qt Widgets, so the build rejects most widget
# includes below the view too; this also catches those spelt <QtWidgets/...>.)
#
# Usage: check-layers.sh SRC [QT_HEADER_DIR...]: the Qt Widgets (and print support) header
# folders, whose headers no subsystem may include.
set -uo pipefail
src="$1"
shift
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

# The subsystems work on the core and its interfaces; widgets, and the stand-ins that are
# widgets, are the view's. (main.cpp and the first-paint hook hold the window itself.)
subsystems="script show media display i18n registry core app"
widget_standins="platform/widgets/RichTextBox.h"
widget_headers=""
for dir in "$@"; do
  for h in "$dir"/Q*; do
    [ -f "$h" ] && [[ "$h" != *.h ]] && widget_headers+="|${h##*/}"
  done
done
pattern="ui/.*|platform/widgets/.*|QtWidgets/.*|QtPrintSupport/.*"
for h in $widget_standins; do pattern+="|${h//./\\.}"; done
pattern="#[[:space:]]*include[[:space:]]*[<\"](${pattern}${widget_headers})[>\"]"
widgets=$(for d in $subsystems; do grep -rnE "$pattern" "$d"; done |
  grep -vE '^app/(main\.cpp|FirstPaint\.(h|cpp)):')
if [ -n "$widgets" ]; then
  echo "a subsystem includes a widget, a widget stand-in or the view:"; echo "$widgets"; status=1
fi
if [ -z "$widget_headers" ]; then
  echo "no Qt Widgets headers given: only the view and the stand-ins were looked for"
fi

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
  "core/ only itself and Qt Core; $subsystems: no widget;" \
  "$(wc -w <<<"$including") files below the view still include ui/Form1.h"
exit $status
