#!/usr/bin/env bash
# The Windows zip under Wine, in a prefix whose AppData folder is "C:\users\Jiří\AppData\Roaming"
# and with the game unpacked into a folder named with non-ASCII letters too. First what the files
# say: the resources (manifest, icon, version), --version of both programs, the README and the
# licences as Windows text. The real window, started by its full path from another folder with
# no --lang: the intro, the English menu in a 640x480 window after Alt+Enter (pixel for pixel the
# Linux runner's English picture), "trenink a" started and atoms put down with real key presses,
# the quit prompt and question, exit 0, and the window choice found at the next start, when a
# second copy hands over to the first and exits. The log, the one before it, and a mistyped
# option's message box. Then the runner stores two records one after the other in that AppData
# folder and a third run reads both back.
# Usage: wine_test.sh ZIP HEADLESS_EXE LINUX_HEADLESS ARTEFACT_DIR. Exit 77 (skipped) when a
# tool is missing.
set -u
zip=$1
runner=$2
linux_runner=$(realpath "$3")
artefacts=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../x_session.sh"
require_tools wine Xvfb openbox xdotool xdpyinfo import convert compare unzip

mkdir -p "$artefacts"
fail() {
  echo "FAIL: $*"
  # The screen as it is now, or else the last picture taken.
  import -window root "$artefacts/wine_failure.png" 2>/dev/null ||
    { [ -f "$work/shot.png" ] && cp "$work/shot.png" "$artefacts/wine_failure.png"; }
  [ -f "$work/game.log" ] && grep -v "^ALSA lib" "$work/game.log" | tail -20
  exit 1
}

start_x_session 1024x768 131 || fail "no X display could be started"
# Wine reads non-ASCII command lines in the locale's character set.
export LC_ALL=C.UTF-8 WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot --init >"$work/wineboot.log" 2>&1 || fail "the Wine prefix could not be made"
folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer'
for key in "User Shell Folders" "Shell Folders"; do
  wine reg add "$folders\\$key" /v AppData /d 'C:\users\Jiří\AppData\Roaming' /f >/dev/null 2>&1 ||
    fail "the AppData folder could not be set"
done
wineserver -w
appdata="$WINEPREFIX/drive_c/users/Jiří/AppData/Roaming/Brunival"

game_dir="$work/Hry pro Jiřího"
mkdir -p "$game_dir"
unzip -q "$zip" -d "$game_dir" || fail "the zip could not be unpacked"
game_dir="$game_dir/Brunival"

# The files as Windows and a player read them.
cp "$runner" "$game_dir/"
version=$(basename "$zip" | sed -n 's/^Brunival-\(.*\)-win64\.zip$/\1/p')
[ -n "$version" ] || fail "the zip's name carries no version: $(basename "$zip")"
/usr/bin/python3 "$here/pe_resources.py" "$game_dir/brunival.exe" "$version" || fail "resources"
for program in brunival brunival-headless; do
  said=$(cd "$work" && wine "$game_dir/$program.exe" --version 2>/dev/null | tr -d '\r')
  [ "$said" = "$program $version" ] || fail "$program.exe --version said '$said'"
done
grep -q "^Brunival $version for Windows" "$game_dir/README.txt" || fail "README.txt: no version"
grep -q "Extract" "$game_dir/README.txt" && grep -q "SmartScreen" "$game_dir/README.txt" ||
  fail "README.txt should say to extract the zip and explain SmartScreen"
for text in "$game_dir/README.txt" "$game_dir"/licenses/*/*; do
  case $text in *.txt) ;; *) fail "not a .txt: $text" ;; esac
  grep -qv $'\r$' "$text" && fail "not CRLF throughout: $text"
done

# The Linux runner's English menu: what the window must show once the intro is over. The game
# is started without --lang: it proves that it follows the system's language and finds the
# catalogues it ships.
(cd "$game_dir" && printf 'frames 390 20\nscreenshot menu.png\n' |
  "$linux_runner" --seed 1 --lang en >/dev/null 2>"$work/runner.log") ||
  fail "the Linux runner failed: $(cat "$work/runner.log")"

# From another folder by its full path, as a shortcut starts it: it must find its data.
start_game() {
  (cd "$work" && exec wine "$game_dir/brunival.exe" "$@") >"$work/game.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
}
alive() { kill -0 "$game_pid" 2>/dev/null; }
shoot() { import -window "${1:-root}" "$work/shot.png" 2>/dev/null; }
press() {
  hold_key "$1"
  sleep "${2:-0.5}"
}
game_windows() { xdotool search --onlyvisible --name "^Brunival$" 2>/dev/null; }
game_window() { game_windows | head -1; }
window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
wait_for_exit() {
  for _ in $(seq 150); do alive || break; sleep 0.1; done
  alive && fail "the game did not exit after the quit question"
  wait "$game_pid"
  local status=$?
  [ "$status" -eq 0 ] || fail "the game exited with status $status"
}
# The game's window once it is 640x480, waited for up to $1 half-seconds; nothing if it never is.
window_640x480() {
  local window
  for _ in $(seq "$1"); do
    window=$(game_window)
    if [ -n "$window" ] && [ "$(window_size "$window")" = 640x480 ]; then
      echo "$window"
      return
    fi
    sleep 0.5
  done
}

# The main menu shows Esc's quit question; Enter answers it.
quit_from_menu() {
  press Escape 1
  press Return 0
  wait_for_exit
}

start_game
wait_for_picture "$work/shot.png" || fail "nothing appeared on the screen"
sleep 9 # the intro runs its eight seconds into the menu

# Held until the window has settled: a key-up that arrives while Wine rebuilds the window is
# lost, and the game would then take the next Enter for the rest of this one.
xdotool keydown alt+Return
sleep 1.5
xdotool keyup alt+Return
window=$(window_640x480 20)
[ -n "$window" ] ||
  fail "Alt+Enter gave no 640x480 window: '$(window_size "$window" 2>/dev/null)'"
grep -qx "fullscreen=0" "$appdata/display.conf" 2>/dev/null ||
  fail "the window choice was not written to $appdata/display.conf"
sleep 1
shoot "$window"
cp "$work/shot.png" "$artefacts/wine_menu_window.png"
difference=$(compare -metric AE "$game_dir/menu.png" "$work/shot.png" null: 2>&1)
[ "$difference" = 0 ] ||
  fail "the windowed menu differs from the Linux English one in $difference pixels"

# The mode choice, its fourth entry ("trenink a"), the briefing, then atoms as they arrive.
press Return 1.5
shoot "$window"
[ "$(compare -metric AE "$game_dir/menu.png" "$work/shot.png" null: 2>&1)" = 0 ] &&
  fail "the first Enter after Alt+Enter was lost (taken for the chord's)"
press Down
press Down
press Down
press Return 1.8
press space 4
shoot "$window"
cp "$work/shot.png" "$work/start.png"
for move in space Right space Down space Left space; do press "$move" 1; done
shoot "$window"
cp "$work/shot.png" "$artefacts/wine_game_window.png"
alive || fail "the game stopped during play"
[ "$(compare -metric AE "$game_dir/menu.png" "$work/shot.png" null: 2>&1 | cut -d. -f1)" -gt 10000 ] ||
  fail "the play screen should differ from the menu"
board=$(compare -metric AE -crop 480x400+91+67 "$work/start.png" "$work/shot.png" null: 2>&1 | cut -d. -f1)
score=$(compare -metric AE -crop 232x46+400+10 "$work/start.png" "$work/shot.png" null: 2>&1 | cut -d. -f1)
echo "after the moves: $board board pixels and $score score pixels changed"
[ "$board" -gt 2500 ] || [ "$score" -gt 50 ] || fail "no atom was put down"

# The quit prompt (Esc, Enter) back to the main menu, then its quit question.
press Escape 1
press Return 3
quit_from_menu

# The next start comes back in the window it was left in.
start_game
window=$(window_640x480 120)
[ -n "$window" ] || fail "the remembered window did not come back"
# A second copy, with other options even, hands over to the first and exits.
(cd "$work" && exec wine "$game_dir/brunival.exe" --scaling=integer) >"$work/second.log" 2>&1 &
second=$!
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not exit"
wait "$second" || fail "the second copy exited with status $?"
sleep 1 # the first copy's window may be remapped as it comes forward
[ "$(game_windows | wc -l)" = 1 ] || fail "expected one game window, found $(game_windows | wc -l)"
alive || fail "the first copy ended when the second started"
sleep 8 # the intro runs into the menu
quit_from_menu
log=$appdata/brunival.log
[ -f "$appdata/brunival.old.log" ] || fail "the first run's log was not kept as brunival.old.log"
head -1 "$log" | grep -q "^brunival $version, Windows [0-9]*\.[0-9]*\.[0-9]*" ||
  fail "the log should start with the version and the Windows build: $(head -1 "$log")"
sed -n 2p "$log" | grep -q "^SDL 2\.[0-9.]*, video windows, audio " ||
  fail "the log's second line should name SDL's drivers: $(sed -n 2p "$log")"
echo "the game's log: $(cat "$log")"

# A mistyped option: a message box says so (and where the log is); Enter closes it.
start_game --scaling=smooth
box=""
for _ in $(seq 60); do box=$(game_window) && [ -n "$box" ] && break; sleep 0.5; done
[ -n "$box" ] || fail "no message box for a mistyped option"
sleep 1
shoot "$box"
cp "$work/shot.png" "$artefacts/wine_error_box.png"
xdotool windowactivate "$box" 2>/dev/null
press Return 1
for _ in $(seq 100); do alive || break; sleep 0.1; done
alive && fail "the message box did not close with Enter"
wait "$game_pid"
[ $? = 2 ] || fail "a mistyped option should exit with status 2"
grep -q "not understood: --scaling=smooth" "$log" || fail "the log should tell the mistyped option"

# Two records, one after the other, in the same AppData store; a third run reads both back.
store='C:\users\Jiří\AppData\Roaming\Brunival\hall-of-fame.store'
run() { (cd "$game_dir" && wine brunival-headless.exe "$@") 2>>"$work/runner.log"; }
"$here/record_game.sh" 60000 AB | run --seed 5 --store "$store" >/dev/null || fail "first record"
"$here/record_game.sh" 55000 BB | run --seed 6 --store "$store" >/dev/null || fail "second record"
hall=$(printf 'frames 80 100\nframe 16 down\nframe 16\nframe 16 down\nframe 16\nframe 16 enter\nframe 16\nstate\n' |
  run --store "$store")
echo "$hall" | grep -q '"HallNames":\["AB","BB",' || fail "both records expected, found: $hall"
echo "$hall" | grep -q '"HallScores":\["60000","55000",' || fail "both scores expected: $hall"
[ -f "$appdata/hall-of-fame.store" ] && [ ! -e "$appdata/hall-of-fame.store.new" ] ||
  fail "expected the store alone in $appdata"
echo "PASS"
