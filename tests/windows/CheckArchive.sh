#!/usr/bin/env bash
# The Windows archive as a user gets it, checked under Wine:
#   tests/windows/CheckArchive.sh ZIP LINUX_BUILD WINE WINEPREFIX [SCREENSHOT]
# - it holds one folder with the programs, their DLLs, the data, the texts;
# - its demo game and data files are byte for byte those of the Linux build;
# - unpacked into a folder with a non-ASCII name, vhmission.exe runs and
#   vhedit.exe starts on a virtual X server and keeps its settings beside
#   itself;
# - vhedit.exe and the Linux vhedit paint the same stroke over the same
#   spot of a demo mission and save it (Ctrl+S): the two files agree cell by
#   cell and byte by byte.
# SCREENSHOT (a .png) keeps a picture of the Windows editor.
set -euo pipefail
ZIP=$1
LINUX=$2
WINE=$3
export WINEPREFIX=$4 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
SCREENSHOT=${5:-}
# Wine takes the names of Unix files and arguments in the locale's encoding.
export LC_ALL=C.UTF-8
HERE=$(cd "$(dirname "$0")" && pwd)
WINESERVER=$(dirname "$WINE")/wineserver
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vh-windows-archive-XXXXXX")
FAILURES=0
PIDS=()

fail() {
  echo "FAILED: $*" >&2
  FAILURES=$((FAILURES + 1))
}
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  "$WINESERVER" -k 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# --- What the archive holds ---------------------------------------------
PARENT="$WORK/Jörg/Spiele/Editor"
mkdir -p "$PARENT"
(cd "$PARENT" && cmake -E tar xf "$ZIP")
mapfile -t TOP < <(ls -A "$PARENT")
[ "${#TOP[@]}" = 1 ] || { echo "FAILED: the archive holds ${#TOP[@]} entries at the top, not one folder" >&2; exit 1; }
APP="$PARENT/${TOP[0]}"
for f in vhedit.exe vhmission.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
  styles/qwindowsvistastyle.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
  TOOLS.DAT terrain.sel objekt.sel stdmiss.dat stddf00.dat vhedit.ini vhmission-dump.schema.json \
  README.txt LICENSE.txt licenses/Qt-LGPL-3.txt licenses/Qt-NOTICE.txt licenses/Qt-copyright.txt; do
  [ -f "$APP/$f" ] || fail "no $f in the archive"
done
for f in TOOLS.DAT terrain.sel objekt.sel stdmiss.dat stddf00.dat; do
  cmp -s "$LINUX/bin/$f" "$APP/$f" || fail "$f differs from the Linux build's"
done
diff -r "$LINUX/bin/VarnholtDemo" "$APP/VarnholtDemo" >/dev/null || fail "the demo game differs from the Linux build's"
cmp -s "$LINUX/demo/share/vhedit.ini" "$APP/vhedit.ini" || fail "vhedit.ini differs from the Linux defaults"
grep -q "GNU LESSER GENERAL PUBLIC LICENSE" "$APP/licenses/Qt-LGPL-3.txt" || fail "no LGPL text"
grep -q "apt-get source qt6-base" "$APP/licenses/Qt-NOTICE.txt" || fail "the Qt notice does not say where the source is"
echo "archive: $(find "$APP" -type f | wc -l) files; demo game and data files as on Linux"

# --- A display with a window manager --------------------------------------
mkdir -p "$WORK/home" "$WORK/run"
chmod 700 "$WORK/run"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
PIDS+=($!)
for _ in $(seq 100); do
  grep -q . "$WORK/display" 2>/dev/null && break
  sleep 0.1
done
[ -s "$WORK/display" ] || { echo "FAILED: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -1 "$WORK/display")
export DISPLAY
HOME="$WORK/home" openbox --sm-disable >/dev/null 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do
  [ -n "$(xdotool get_num_desktops 2>/dev/null)" ] && break
  sleep 0.1
done
sleep 1
# Nothing of Wine left from earlier runs, and the prefix's first program
# started with this display, so that the desktop Wine keeps draws there. A
# new prefix takes a while.
"$WINESERVER" -k 2>/dev/null || true
"$WINE" wineboot --init >/dev/null 2>&1 || true

windows_path() {
  "$WINE" winepath -w "$1" | tr -d '\r'
}

version=$("$WINE" "$APP/vhmission.exe" --version | tr -d '\r') || fail "vhmission.exe --version"
echo "from the archive: $version"
"$WINE" "$APP/vhmission.exe" check "$(windows_path "$APP/VarnholtDemo/MIS/miss001.dat")" >/dev/null ||
  fail "vhmission.exe check of a demo mission in the archive's folder"

window_named() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true
}
wait_for_window() {
  local id=""
  for _ in $(seq "${2:-300}"); do
    id=$(window_named "$1")
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
focus() {
  xdotool windowraise "$1" windowactivate --sync "$1" windowfocus --sync "$1" 2>/dev/null || true
}
wait_for_change() {
  local file=$1 before=$2
  for _ in $(seq 150); do
    if ! cmp -s "$file" "$before"; then
      # The names file follows the mission.
      sleep 1
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# --- vhedit.exe starts from the non-ASCII folder ---------------------------
start=$(date +%s%N)
said=$(cd "$APP" && VHEDIT_EXIT_WHEN_READY=1 timeout 120 "$WINE" "$APP/vhedit.exe" 2>"$WORK/start.err" | tr -d '\r') ||
  fail "vhedit.exe did not start: $(cat "$WORK/start.err")"
echo "vhedit.exe: ${said:-nothing said} ($((($(date +%s%N) - start) / 1000000)) ms)"
expected=$(windows_path "$APP/vhedit.ini")
[ "$said" = "vhedit: ready, settings in $expected" ] || fail "vhedit.exe keeps its settings elsewhere than $expected"

# --- The same stroke on Linux and on Windows ------------------------------
# The stroke and the piece of the map the two screens are matched by, in
# the Linux frame's coordinates (the mission window opens at its top left).
STROKE_X=${VH_STROKE_X:-90} STROKE_Y=${VH_STROKE_Y:-200} STROKE_STEPS=40
PIECE_X=$((STROKE_X - 20)) PIECE_Y=$((STROKE_Y - 20)) PIECE_W=200 PIECE_H=80

# Paints from (x, y) on the screen, 4 pixels right and 1 down a step.
stroke() {
  local x=$1 y=$2 i
  xdotool mousemove "$x" "$y" mousedown 1
  for i in $(seq "$STROKE_STEPS"); do
    xdotool mousemove "$((x + 4 * i))" "$((y + i))"
    sleep 0.02
  done
  xdotool mouseup 1
}
frame_origin() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y"
}

LGAME="$WORK/linux"
mkdir -p "$LGAME"
cp -r "$LINUX/bin/VarnholtDemo" "$LGAME/"
cp "$LINUX/demo/share/vhedit.ini" "$LGAME/"
MISSION=VarnholtDemo/MIS/miss001.dat
cp "$APP/$MISSION" "$WORK/before.dat"
cp "$APP/VarnholtDemo/GER/miss001.txt" "$WORK/before.txt"
"$LINUX/bin/vhmission" dump "$WORK/before.dat" >"$WORK/before.json"

HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" QT_QPA_PLATFORM=xcb \
  "$LINUX/bin/vhedit" --ini "$LGAME/vhedit.ini" "$LGAME/$MISSION" >/dev/null 2>&1 &
linux_pid=$!
PIDS+=("$linux_pid")
id=$(wait_for_window "Varnholt Editor - miss001")
[ -n "$id" ] || { echo "FAILED: the Linux editor showed no mission" >&2; exit 1; }
focus "$id"
read -r lx ly < <(frame_origin "$id")
xdotool mousemove 0 0
sleep 1
import -window root -depth 8 "$WORK/linux.ppm"
stroke $((lx + STROKE_X)) $((ly + STROKE_Y))
xdotool key ctrl+s
wait_for_change "$LGAME/$MISSION" "$WORK/before.dat" || fail "the Linux editor saved nothing"
kill "$linux_pid" 2>/dev/null || true
wait "$linux_pid" 2>/dev/null || true
for _ in $(seq 100); do
  [ -z "$(window_named "Varnholt Editor")" ] && break
  sleep 0.1
done

(cd "$APP" && "$WINE" "$APP/vhedit.exe" "$(windows_path "$APP/$MISSION")" >/dev/null 2>&1) &
PIDS+=($!)
id=$(wait_for_window "Varnholt Editor - miss001" 600)
[ -n "$id" ] || { echo "FAILED: the Windows editor showed no mission" >&2; exit 1; }
focus "$id"
xdotool mousemove 0 0
sleep 2
import -window root -depth 8 "$WORK/windows.ppm"
[ -z "$SCREENSHOT" ] || import -window root "$SCREENSHOT"
if shift=$(python3 "$HERE/locate.py" "$WORK/linux.ppm" "$WORK/windows.ppm" \
  $((lx + PIECE_X)) $((ly + PIECE_Y)) "$PIECE_W" "$PIECE_H"); then
  read -r dx dy <<<"$shift"
  echo "the map lies ($dx, $dy) pixels away from where it lies on Linux"
  stroke $((lx + STROKE_X + dx)) $((ly + STROKE_Y + dy))
  xdotool key ctrl+s
  wait_for_change "$APP/$MISSION" "$WORK/before.dat" || fail "the Windows editor saved nothing"
  "$LINUX/bin/vhmission" dump "$LGAME/$MISSION" >"$WORK/linux.json"
  "$LINUX/bin/vhmission" dump "$APP/$MISSION" >"$WORK/windows.json"
  python3 "$HERE/cells.py" "$WORK/before.json" "$WORK/linux.json" "$WORK/windows.json" 5 ||
    fail "the saved missions differ"
  cmp -s "$LGAME/$MISSION" "$APP/$MISSION" || fail "the saved mission files differ"
  cmp -s "$LGAME/VarnholtDemo/GER/miss001.txt" "$APP/VarnholtDemo/GER/miss001.txt" ||
    fail "the saved names files differ"
else
  fail "the Windows editor does not show the map as the Linux editor does"
fi

if ((FAILURES)); then
  echo "$FAILURES checks of the Windows archive failed" >&2
  exit 1
fi
echo "The Windows archive works as the Linux build does."
