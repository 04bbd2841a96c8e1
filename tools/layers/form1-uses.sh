#!/bin/bash
# Counts how far the code below the view still reaches into the main window: uses of Form1's
# members (".name" or "->name" for a name Form1 declares) in the files under src/ outside
# src/ui/ that include ui/Form1.h, and the number of such files. Run from the source folder.
set -euo pipefail
cd "${1:-.}"
# Names of Form1's members, comments left out. Caption is left out too (every label has one), and so are parameter names.
members=$(sed -n '/^class Form1/,/^};/p' src/ui/Form1.h | sed 's|//.*||' |
  grep -oE '\b[A-Za-z_][A-Za-z0-9_]*\b *(\{\}|;|,|\(|\[|=)' | grep -oE '^[A-Za-z_][A-Za-z0-9_]*' |
  grep -vxE 'Form1|Caption|file|text|width|watched|parent|show|override|const|nullptr|return|void|int|double|bool|QString|QWidget|explicit|static|constexpr|Q_OBJECT|public|private|protected|class|std|unique_ptr|array' |
  sort -u | paste -sd'|')
files=$(grep -rl '#include "ui/Form1.h"' src | grep -v '^src/ui/' | grep -v '^src/app/main.cpp$' || true)
uses=0
for f in $files; do
  n=$( { grep -oE "(\.|->)($members)\b" "$f" || true; } | wc -l)
  uses=$((uses + n))
  printf '%5d %s\n' "$n" "$f"
done
echo "files outside src/ui and src/app/main.cpp including ui/Form1.h: $(echo $files | wc -w)"
echo "uses of Form1 members in them: $uses"
