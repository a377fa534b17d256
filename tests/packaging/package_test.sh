#!/usr/bin/env bash
# Builds the Debian package from this build with cpack, unpacks it into a
# scratch root, runs both unpacked programs on the demo project, checks the
# file list and the control fields, and has lintian find no errors.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}

if ! log=$(cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$work/out" 2>&1); then
  echo "$log"
  fail "cpack could not build the package"
fi
deb=$work/out/tambrelox_${VERSION}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"

expected="/usr/bin/spjinfo
/usr/bin/tambrelox
/usr/share/applications/org.tambrelox.Tambrelox.desktop
/usr/share/bash-completion/completions/spjinfo
/usr/share/doc/tambrelox/changelog.gz
/usr/share/doc/tambrelox/copyright
/usr/share/icons/hicolor/scalable/apps/tambrelox.svg
/usr/share/man/man1/spjinfo.1.gz
/usr/share/man/man1/tambrelox.1.gz
/usr/share/metainfo/org.tambrelox.Tambrelox.metainfo.xml
/usr/share/mime/packages/tambrelox.xml"
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort)
diff <(echo "$expected") <(echo "$files") || fail "the package's files differ from the expected list (< expected, > packaged)"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tambrelox ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "Version: $(field Version), not $VERSION"
[ "$(field Section)" = sound ] || fail "Section: $(field Section)"
depends=$(field Depends)
# Found by dpkg-shlibdeps from the links, and added for what is loaded at run time.
for package in libc6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins libqt6svg6 fonts-liberation2; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for program in spjinfo tambrelox; do
  file "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
  [ "$("$root/usr/bin/$program" --version)" = "$program V$VERSION" ] || fail "$program --version"
done

# The unpacked programs, on the system's libraries, print what the build's do.
"$root/usr/bin/spjinfo" "$DEMO" >"$work/packaged.txt"
"$SPJINFO" "$DEMO" >"$work/built.txt"
[ -s "$work/packaged.txt" ] || fail "the unpacked spjinfo printed nothing"
cmp "$work/built.txt" "$work/packaged.txt" || fail "the unpacked spjinfo prints differently"

QT_QPA_PLATFORM=offscreen "$root/usr/bin/tambrelox" --print summary --pdf "$work/summary.pdf" "$DEMO"
pdftotext -layout "$work/summary.pdf" "$work/summary.txt"
grep -q "Tambrelox V$VERSION" "$work/summary.txt" || fail "the printed summary lacks its title line"
author=$(grep '^Author/Owner:' "$work/built.txt" | cut -f 2)
grep -q "Owner/Author: $author" "$work/summary.txt" || fail "the printed summary lacks the author"

# Lintian: errors fail, warnings are shown.
if ! lintian --fail-on error --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>&1; then
  cat "$work/lintian.txt"
  fail "lintian reports errors"
fi
cat "$work/lintian.txt"
echo "package $(basename "$deb") built, unpacked, runs and passes lintian"
