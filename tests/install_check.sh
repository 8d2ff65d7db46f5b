#!/bin/sh
# The tree installed into a temporary prefix starts, finds its help, and validates.
set -eu
p=$(mktemp -d); trap 'rm -rf "$p"' EXIT
cmake --install "$1" --prefix "$p" >/dev/null
[ "$("$p/bin/quillnav" --version)" = "Quillnav 1.2" ] && [ -s "$p/share/quillnav/help/quillnav.qhc" ]
"$p/bin/quillnav" --help | grep -qxF "Help pages: $p/share/quillnav/help/quillnav.qch"
# It finds its window module, which then asks Qt for the display it was given.
(ulimit -c 0; QT_QPA_PLATFORM=none-such "$p/bin/quillnav" 2>&1 || true) | grep -qF 'platform plugin "none-such"'
# And its server module, which checks the address before any connection.
("$p/bin/quillnav" --upload "$2" --server ftp://localhost/ 2>&1 || true) | grep -qF 'uses FTP'
desktop-file-validate "$p/share/applications/quillnav.desktop"
xmllint --noout "$p/share/mime/packages/quillnav.xml" "$p"/share/icons/hicolor/scalable/*/*.svg
update-mime-database "$p/share/mime"
grep -qx 'application/x-quillnav-project:application-x-quillnav-project' "$p/share/mime/icons"
grep -q 'application/x-quillnav-project:\*\.qnv' "$p/share/mime/globs2"
appstreamcli validate --no-net "$p/share/metainfo/example.brookfen.Quillnav.metainfo.xml" >/dev/null
