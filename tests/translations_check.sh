#!/bin/sh
# Every text of the windows has its translation: lupdate, run over the sources
# into a copy of each translations/*.ts, leaves no message unfinished (in
# quillnav_en.ts no plural form).
# Usage: translations_check.sh SOURCE_TREE LUPDATE
set -eu
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in "$1"/translations/*.ts; do
  cp "$ts" "$tmp/copy.ts"
  only=
  case "$ts" in *_en.ts) only=-pluralonly ;; esac # English: its plural forms only
  "$2" -silent -locations none -no-obsolete $only "$1/src" -ts "$tmp/copy.ts"
  if grep -q -e 'type="unfinished"' -e '<translation></translation>' "$tmp/copy.ts"; then
    echo "$(basename "$ts"): these texts have no translation yet:" >&2
    grep -B1 -e 'type="unfinished"' -e '<translation></translation>' "$tmp/copy.ts" | grep -v '<translation' >&2
    status=1
  fi
done
exit $status
