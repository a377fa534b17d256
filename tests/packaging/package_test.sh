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

share=/usr/share
expected=$(printf '%s\n' /usr/bin/{spjinfo,tambrelox} /usr/lib/tambrelox/plugins/libtambrelox_audio.so \
  $share/applications/org.tambrelox.Tambrelox.desktop \
  $share/bash-completion/completions/{spjinfo,tambrelox} $share/doc/tambrelox/{changelog.gz,copyright} \
  $share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/tambrelox.png \
  $share/icons/hicolor/scalable/apps/tambrelox.svg $share/man/man1/{spjinfo,tambrelox}.1.gz \
  $share/metainfo/org.tambrelox.Tambrelox.metainfo.xml $share/mime/packages/tambrelox.xml | sort)
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort)
diff <(echo "$expected") <(echo "$files") || fail "the package's files differ from the expected list (< expected, > packaged)"

field() { dpkg-deb -f "$deb" "$1"; }
for wanted in Package=tambrelox "Version=$VERSION" Section=sound Suggests=qt6-wayland; do
  [ "$(field "${wanted%%=*}")" = "${wanted#*=}" ] || fail "${wanted%%=*}: $(field "${wanted%%=*}"), not ${wanted#*=}"
done
depends=$(field Depends)
# Found by dpkg-shlibdeps from the links, and added for what is loaded at run time.
for package in libc6 libqt6widgets6 libqt6multimedia6 libqt6svg6 fonts-liberation2; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
# On Debian 12 it holds only the VNC and TUIO plugins; xcb comes with libqt6gui6.
[[ $depends != *qt6-qpa-plugins* ]] || fail "Depends names qt6-qpa-plugins: $depends"

root=$work/root
dpkg-deb -x "$deb" "$root"
for program in spjinfo tambrelox; do
  file "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
  [ "$("$root/usr/bin/$program" --version)" = "$program (Tambrelox) $VERSION" ] || fail "$program --version"
done
for side in 48 64 128 256; do
  file "$root/usr/share/icons/hicolor/${side}x$side/apps/tambrelox.png" |
    grep -q "PNG image data, $side x $side," || fail "no $side px PNG icon"
done

# The MIME type is found by content too, through the installed database.
update-mime-database "$root/usr/share/mime" >/dev/null 2>&1
cp "$DEMO" "$work/project-without-extension"
type=$(XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$root/usr/share \
  gio info -a standard::content-type "$work/project-without-extension")
[[ $type == *"standard::content-type: application/x-spj"* ]] || fail "not found by content: $type"

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
