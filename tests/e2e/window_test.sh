#!/usr/bin/env bash
# The real game in a real window: under Xvfb with a window manager, in an empty directory, it shows
# the load-failure screen full screen, and Enter closes it. Usage: window_test.sh GAME ARTEFACT_DIR
# Exit 77 (skipped) when the X tools are not installed.
set -u
game=$1
artefacts=$2
. "$(dirname "$0")/../x_session.sh"
require_tools Xvfb openbox xdotool xdpyinfo import convert

# 1280x1024: the picture is doubled to 1280x960 with 32-pixel bars above and below.
start_x_session 1280x1024 91 || { echo "FAIL: no X display could be started"; exit 1; }

mkdir "$work/game"
# A settings folder of its own: a window chosen by the player must not change what is tested.
(cd "$work/game" && SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" exec "$game") \
  >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
shot="$artefacts/window_load_failure.png"
mkdir -p "$artefacts"

# Wait (up to 60 s on a busy machine) for the frame's yellow corner at (5,5) doubled, below the bar.
shown=""
for _ in $(seq 120); do
  if import -window root "$work/poll.png" 2>/dev/null &&
     [ "$(pixel "$work/poll.png" 10 42)" = "srgb(255,255,0)" ]; then
    shown=yes
    break
  fi
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.5
done
if [ -z "$shown" ]; then
  echo "FAIL: the load-failure screen did not appear full screen"
  cp "$work/poll.png" "$shot" 2>/dev/null
  cat "$work/game.log"
  exit 1
fi
if [ "$(pixel "$work/poll.png" 640 10)" != "srgb(0,0,0)" ]; then
  echo "FAIL: expected a black bar above the picture"
  exit 1
fi

# After two seconds every line is there; keep that picture as the test's artefact.
sleep 3
import -window root "$shot"
echo "screenshot: $shot"

hold_key Return
for _ in $(seq 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
  echo "FAIL: Enter did not close the game"
  exit 1
fi
wait "$game_pid"
status=$?
if [ "$status" -ne 0 ]; then
  echo "FAIL: the game exited with status $status"
  cat "$work/game.log"
  exit 1
fi
echo "PASS"
