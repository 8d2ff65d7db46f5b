#!/bin/sh
# The Debian package made from this build: it unpacks into a tree that runs,
# depends on the Qt libraries and passes lintian without errors.
set -eu
t=$(mktemp -d); trap 'rm -rf "$t"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$t/out" >/dev/null
deb=$(ls "$t"/out/quillnav_*_amd64.deb)
dpkg-deb -x "$deb" "$t/root"
[ "$("$t/root/usr/bin/quillnav" --version)" = "Quillnav 1.2" ]
"$t/root/usr/bin/quillnav" --generate "$2" -o "$t/page.html"
grep -qi '<select' "$t/page.html"
"$t/root/usr/bin/quillnav" --help | grep -qxF "Help pages: $t/root/usr/share/quillnav/help/quillnav.qch"
# It finds its window module in the unpacked tree too.
(ulimit -c 0; QT_QPA_PLATFORM=none-such "$t/root/usr/bin/quillnav" 2>&1 || true) | grep -qF 'platform plugin "none-such"'
# And its server module: the address is checked there, before any connection.
("$t/root/usr/bin/quillnav" --upload "$2" --server ftp://localhost/ 2>&1 || true) | grep -qF 'uses FTP'
[ -s "$t/root/usr/share/doc/quillnav/copyright" ] && gzip -t "$t/root/usr/share/doc/quillnav/changelog.gz" "$t/root/usr/share/man/man1/quillnav.1.gz"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webenginewidgets6 libqt6sql6-sqlite libseccomp2 libqt6keychain1 libssh-4 libqt6network6 libssl3; do
  echo "$depends" | grep -q "$lib" || { echo "Depends lacks $lib: $depends" >&2; exit 1; }
done
# lintian fails on errors; its warnings are shown.
lintian --tag-display-limit 0 "$deb"
