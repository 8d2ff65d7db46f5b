#!/bin/sh
# Installs the build into a temporary prefix; the installed program must start,
# find its help there, and its desktop file, MIME type and icons must be valid.
set -eu
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
[ "$("$prefix/bin/quillnav" --version)" = "Quillnav 1.2" ]
"$prefix/bin/quillnav" --help | grep -qxF "Help pages: $prefix/share/quillnav/help/quillnav.qch"
[ -s "$prefix/share/quillnav/help/quillnav.qhc" ]
desktop-file-validate "$prefix/share/applications/quillnav.desktop"
xmllint --noout "$prefix/share/mime/packages/quillnav.xml" \
  "$prefix/share/icons/hicolor/scalable/apps/quillnav.svg" \
  "$prefix/share/icons/hicolor/scalable/mimetypes/application-x-quillnav-project.svg"
update-mime-database "$prefix/share/mime"
grep -qx 'application/x-quillnav-project:application-x-quillnav-project' "$prefix/share/mime/icons"
grep -q 'application/x-quillnav-project:\*\.qnv' "$prefix/share/mime/globs2"
