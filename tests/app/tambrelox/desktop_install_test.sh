#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that file managers can
# offer the program for .spj files: a valid desktop entry, the MIME type known
# to the MIME database and the entry in the desktop database. (The program and
# the icon the entry names are in the Debian package's file list.)
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
# update-mime-database warns that the scratch prefix is not searched; only a failure is shown.
if ! output=$(cmake --install "$BUILD_DIR" --prefix "$prefix" 2>&1); then
  echo "$output"
  exit 1
fi

entry=$prefix/share/applications/org.tambrelox.Tambrelox.desktop
desktop-file-validate "$entry"
grep -qx 'Exec=tambrelox %f' "$entry"

# The install ran update-mime-database, so the type and its pattern are known.
test -f "$prefix/share/mime/application/x-spj.xml"
grep -q '^50:application/x-spj:\*\.spj$' "$prefix/share/mime/globs2"
# It ran update-desktop-database, so "Open With" offers the entry at once.
grep -qx 'application/x-spj=org.tambrelox.Tambrelox.desktop;' "$prefix/share/applications/mimeinfo.cache"
echo "desktop integration installed and valid"
