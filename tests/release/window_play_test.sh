#!/usr/bin/env bash
# The real game played in a real window under Xvfb: intro, mode choice, a practice game with a few
# atoms put down, the quit prompt and the quit question, with music on the disk audio device; and
# Alt+Enter to a window and back, remembered in the display settings file, with the picture kept
# 4:3 and unscaled on a 1024x768 screen by whole-number scaling chosen on the command line. Usage: window_play_test.sh GAME DATA_DIR ARTEFACT_DIR
# Exit 77 (skipped) when the X tools are not installed.
set -u
game=$1
data=$2
artefacts=$3
failure_shot=window_play_failure.png
. "$(dirname "$0")/../x_session.sh"
require_tools Xvfb openbox xdotool xdpyinfo xprop import convert compare python3
[ -f "$data/grafika.dat" ] || { echo "FAIL: no data set in $data"; exit 1; }

mkdir -p "$artefacts"

# 1024x768: twice the picture does not fit, so whole-number scaling shows it 1:1 with bars on
# every side.
start_x_session 1024x768 97 || fail "no X display could be started"

cp -r "$data" "$work/game"
mkdir -p "$work/data-home" "$work/config-home"
(cd "$work/game" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" \
  XDG_DATA_HOME="$work/data-home" XDG_CONFIG_HOME="$work/config-home" exec "$game" \
  --scaling=integer) \
  >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

alive() { kill -0 "$game_pid" 2>/dev/null; }
shoot() { import -window root "$work/shot.png" 2>/dev/null; }
# Brightest channel value in a region of the last screenshot, 0..255.
brightest() { convert "$work/shot.png" -crop "$1" +repage -format "%[fx:int(255*maxima)]" info:; }
press() {
  hold_key "$1"
  sleep "${2:-0.4}"
}
settings() { cat "$work/config-home/brunival/display.conf" 2>/dev/null; }
# The bounding box of everything not black: "width height x y".
picture_box() { convert "$work/shot.png" -fuzz 2% -trim -format "%w %h %X %Y" info: | tr -d +; }

# The intro shows within 60 s even on a busy machine.
wait_for_picture "$work/shot.png" || fail "nothing appeared on the screen"

# Full screen: the picture 1:1 in the middle, (1024-640)/2 = 192 and (768-480)/2 = 144 of black
# around it. The intro may leave its edges dark, so the box is checked on the menu below.
sleep 8
press Return 1.5
shoot
cp "$work/shot.png" "$work/menu.png"
cp "$work/shot.png" "$artefacts/window_play_menu.png"
for bar in 192x768+0+0 192x768+832+0 1024x144+0+0 1024x144+0+624; do
  [ "$(brightest "$bar")" = 0 ] || fail "expected black outside the picture at $bar"
done
read -r box_width box_height box_x box_y <<<"$(picture_box)"
echo "full-screen picture box: ${box_width}x${box_height} at $box_x,$box_y"
[ "$box_x" -ge 192 ] && [ "$box_y" -ge 144 ] && [ $((box_x + box_width)) -le 832 ] &&
  [ $((box_y + box_height)) -le 624 ] || fail "the picture spills out of 640x480 at 192,144"
[ "$box_width" -ge 560 ] && [ "$box_height" -ge 400 ] ||
  fail "the menu should fill most of the 640x480 picture, found ${box_width}x${box_height}"

# Alt+Enter: a 640x480 window, remembered; and back to full screen, remembered too.
hold_key alt+Return
sleep 1.5
settings | grep -qx "fullscreen=0" || fail "the window was not remembered: '$(settings)'"
settings | grep -qx "scaling=integer" || fail "the scaling option was not kept: '$(settings)'"
window=$(xdotool search --name "^Brunival$" | head -1)
[ -n "$window" ] || fail "no window named Brunival"
geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
[ "$geometry" = "640x480" ] || fail "expected a 640x480 window, found $geometry"
shoot
cp "$work/shot.png" "$artefacts/window_play_windowed.png"
[ "$(brightest 1024x768+0+0)" -gt 0 ] || fail "nothing shows in the window"
hold_key alt+Return
sleep 1.5
settings | grep -qx "fullscreen=1" || fail "full screen was not remembered: '$(settings)'"
shoot
[ "$(brightest 192x768+0+0)" = 0 ] || fail "full screen again: expected the left bar black"
# Same menu, same place: the picture is shown 1:1, never resampled.
difference=$(compare -metric AE -crop 640x480+192+144 "$work/menu.png" "$work/shot.png" null: 2>&1)
echo "menu before and after the round trip: $difference pixels differ"

# The mode choice, the fourth entry ("trenink a"), and its briefing.
press Down
press Down
press Down
press Return 1.8
press space 4
shoot
cp "$work/shot.png" "$work/start.png"
# Put down a few atoms as they arrive.
for move in space Right space Down space Left space; do press "$move" 1; done
shoot
cp "$work/shot.png" "$artefacts/window_play_game.png"
alive || fail "the game stopped during play"
difference=$(compare -metric AE "$work/menu.png" "$work/shot.png" null: 2>&1)
[ "${difference%%.*}" -gt 10000 ] 2>/dev/null ||
  fail "the play screen should differ from the menu, $difference pixels differ"
[ "$(brightest 192x768+0+0)" = 0 ] || fail "play screen: expected the left bar black"
# The atoms are random: those put down either stay on the board (each some 900 pixels, far more
# than the cursor's frame) or closed a molecule and scored.
region_change() {
  compare -metric AE -crop "$1" "$work/start.png" "$work/shot.png" null: 2>&1 | cut -d. -f1
}
board_change=$(region_change 480x400+283+211)
score_change=$(region_change 232x46+592+154)
echo "after the moves: $board_change board pixels and $score_change score pixels changed"
[ "$board_change" -gt 2500 ] || [ "$score_change" -gt 50 ] ||
  fail "no atom was put down: $board_change board and $score_change score pixels changed"
[ "$(brightest 300x100+420+480)" = 0 ] || fail "expected the lower middle of the board empty"

# The quit prompt (Esc, Enter), then the main menu's quit question (Esc, Enter).
press Escape 1
press Return 2
press Escape 1
press Return 0
for _ in $(seq 100); do alive || break; sleep 0.1; done
alive && fail "the game did not exit after the quit question"
wait "$game_pid"
status=$?
[ "$status" -eq 0 ] || fail "the game exited with status $status"

# The music played: float32 stereo samples well above silence.
rms=$(python3 - "$work/audio.raw" <<'PY'
import array, math, sys
samples = array.array("f")
with open(sys.argv[1], "rb") as raw:
    data = raw.read()
samples.frombytes(data[: len(data) // 4 * 4])
print(f"{math.sqrt(sum(s * s for s in samples) / max(1, len(samples))):.5f} {len(samples)}")
PY
)
echo "disk audio RMS and samples: $rms"
python3 -c "import sys; sys.exit(0 if float('${rms%% *}') > 0.005 else 1)" ||
  fail "the sound device got silence (RMS ${rms%% *})"

# The next run starts in the window it was left in; SIGTERM closes it like the window's close box.
printf 'fullscreen=0\nmonitor=0\n' >"$work/config-home/brunival/display.conf"
(cd "$work/game" && SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/data-home" \
  XDG_CONFIG_HOME="$work/config-home" exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
geometry=""
for _ in $(seq 60); do
  window=$(xdotool search --onlyvisible --name "^Brunival$" 2>/dev/null | head -1)
  [ -n "$window" ] && geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
  [ -n "$geometry" ] && break
  sleep 0.5
done
sleep 2
[ "$geometry" = "640x480" ] || fail "the remembered window did not come back, found '$geometry'"
shoot
[ "$(brightest 192x100+0+0)" = 0 ] && [ "$(brightest 1024x768+0+0)" -gt 0 ] ||
  fail "expected a window on a black desktop"
# The window manager's frame: left, right, top, bottom; a title bar makes the top one thick.
title_bar=$(xprop -id "$window" _NET_FRAME_EXTENTS | awk -F', *' '{print $3}')
[ "${title_bar:-0}" -ge 8 ] || fail "expected the window framed with a title bar, top $title_bar"
kill -TERM "$game_pid"
for _ in $(seq 100); do alive || break; sleep 0.1; done
alive && fail "the game did not close on SIGTERM"
wait "$game_pid"
status=$?
[ "$status" -eq 0 ] || fail "the windowed run exited with status $status"
echo "PASS"
