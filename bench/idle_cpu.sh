#!/usr/bin/env bash
# CPU the real game takes idling in the main menu: Xvfb screen of SIZE with openbox, software GL,
# full screen at its defaults, 5 s sampled from /proc after the intro. Prints "SIZE PERCENT".
# Usage: bench/idle_cpu.sh GAME DATA_DIR [SIZE] [SECONDS] [GAME_ARGS...]
set -u
game=$(realpath "$1") data=$2 size=${3:-1280x960} seconds=${4:-5}
shift $(( $# < 4 ? $# : 4 ))
. "$(dirname "$0")/../tests/x_session.sh"
require_tools Xvfb openbox xdpyinfo
start_x_session "$size" 140 || { echo "no X display could be started" >&2; exit 1; }
cp -r "$data/." "$work/"
(cd "$work" && SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" exec "$game" "$@") \
  >"$work/game.log" 2>&1 &
pid=$!
pids+=("$pid")
# The intro hands over to the menu after 7.7 s; IDLE_CPU_WAIT=1 samples the moving intro instead.
sleep "${IDLE_CPU_WAIT:-10}"
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$seconds"
after=$(ticks)
echo "$size $(( (after - before) * 100 / ($(getconf CLK_TCK) * seconds) ))"
