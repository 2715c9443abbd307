#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and uses the
# programs from there as a user who never ran them would: the data must be
# found relative to the programs, the user's settings created in $HOME.
#   CheckPackage.sh BUILD_DIR VERSION [CPACK]
set -euo pipefail
BUILD=$1
VERSION=$2
CPACK=${3:-cpack}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vh-package-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

for tool in "$CPACK" dpkg-deb desktop-file-validate appstreamcli update-mime-database lintian; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/dev test installs it)"
done

"$CPACK" --config "$BUILD/CPackConfig.cmake" -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log"; fail "cpack"; }
DEB=$(ls "$WORK"/out/*.deb)
ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT"
SHARE=$ROOT/usr/share/varnholt-editor
BIN=$ROOT/usr/bin

echo "== package fields"
deps=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $deps"
[[ $deps == *libqt6widgets6* ]] || fail "no Qt dependency derived"
for field in Section Maintainer Description; do
  [ -n "$(dpkg-deb -f "$DEB" "$field")" ] || fail "no $field field"
done

echo "== no build paths in the programs"
for program in vhedit vhmission; do
  ! grep -q -F -e "$BUILD" "$BIN/$program" || fail "$program names the build folder"
done

echo "== versions"
[ "$("$BIN/vhmission" --version)" = "vhmission $VERSION" ] || fail "vhmission --version"
[ "$("$BIN/vhedit" --version)" = "vhedit $VERSION" ] || fail "vhedit --version"

echo "== help and version without a display"
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
said=$(no_display "$BIN/vhedit" --help) || fail "vhedit --help without a display (exit $?)"
[[ $said == *--ini* ]] || fail "vhedit --help: $said"
[ "$(no_display "$BIN/vhedit" --version)" = "vhedit $VERSION" ] || fail "vhedit --version without a display"

echo "== the dump's schema and the manual list every command"
[ -f "$SHARE/vhmission-dump.schema.json" ] || fail "no schema of the dump"
manual=$(gzip -dc "$ROOT/usr/share/man/man1/vhmission.1.gz")
help=$("$BIN/vhmission" --help)
for command in dump load check roundtrip resize coasts render; do
  grep -q -F "\\fB$command\\fR" <<<"$manual" || fail "man vhmission lacks $command"
  grep -q "^  $command " <<<"$help" || fail "vhmission --help lacks $command"
done
grep -q -F '\-\-json' <<<"$manual" || fail "man vhmission lacks --json"

# A user who never ran the editor.
HOME_DIR=$WORK/home
mkdir "$HOME_DIR"
run_as_user() { env -u XDG_CONFIG_HOME HOME="$HOME_DIR" QT_QPA_PLATFORM=offscreen "$@"; }
USER_INI=$HOME_DIR/.config/varnholt-editor/vhedit.ini

echo "== vhmission render from the installed defaults"
run_as_user "$BIN/vhmission" render "$SHARE/VarnholtDemo/MIS/miss001.dat" "$WORK/map.png"
[ "$(head -c 4 "$WORK/map.png" | tail -c 3)" = "PNG" ] || fail "no picture written"
[ ! -e "$USER_INI" ] || fail "vhmission created the user's settings"

echo "== vhedit starts, creates the user's settings, quits"
run_as_user VHEDIT_EXIT_WHEN_READY=1 timeout 60 "$BIN/vhedit" || fail "vhedit did not start"
[ -f "$USER_INI" ] || fail "no $USER_INI"
grep -q -x -F "VarnholtDir=$SHARE/VarnholtDemo/" <(tr -d '\r' <"$USER_INI") ||
  { cat "$USER_INI"; fail "the user's settings do not point at the unpacked demo"; }
[ ! -e "$BIN/vhedit.ini" ] || fail "vhedit wrote into bin/"

echo "== --ini overrides both"
printf '[General]\nVarnholtDir=%s/VarnholtDemo/\nToolBar=0\n' "$SHARE" >"$WORK/other.ini"
run_as_user "$BIN/vhmission" render --ini "$WORK/other.ini" "$SHARE/VarnholtDemo/MIS/miss002.dat" "$WORK/map2.bmp"
said=$(run_as_user VHEDIT_EXIT_WHEN_READY=1 timeout 60 "$BIN/vhedit" --ini "$WORK/other.ini") || fail "vhedit --ini"
[[ $said == *"$WORK/other.ini"* ]] || fail "vhedit --ini used another file: $said"
grep -q "^StatusBar=1" <(tr -d '\r' <"$WORK/other.ini") || fail "vhedit did not write its --ini file at exit"

echo "== desktop entry, file type, metadata, lintian"
desktop-file-validate "$ROOT"/usr/share/applications/*.desktop
# The file type database built from the package alone knows the missions.
cp -r "$ROOT/usr/share/mime" "$WORK/mime"
update-mime-database "$WORK/mime" >"$WORK/mime.log" 2>&1 || { cat "$WORK/mime.log"; fail "update-mime-database"; }
grep -q "application/x-varnholt-mission" "$WORK/mime/globs2" || fail "mission file type not registered"
appstreamcli validate --no-net "$ROOT"/usr/share/metainfo/*.metainfo.xml
lintian --allow-root --fail-on error "$DEB"
echo "package check passed"
