#!/usr/bin/env bash
# A game longer than one song played in a real window (the disk audio device decides when songs
# end), kept as a replay beside the hall of fame; the same replay verifies through the runner and
# plays in the window with --replay until Esc leaves it for the main menu. The day's challenge
# starts from the command line at its briefing.
# Usage: window_replay_test.sh GAME RUNNER DATA_DIR ARTEFACT_DIR
# Exit 77 (skipped) when the X tools are not installed.
set -u
game=$1
runner=$2
data=$3
artefacts=$4
failure_shot=window_replay_failure.png
. "$(dirname "$0")/../x_session.sh"
require_tools Xvfb openbox xdotool xdpyinfo import convert compare python3
mkdir -p "$artefacts"

start_x_session 640x480 137 || fail "no X display could be started"
cp -r "$data" "$work/game"
mkdir -p "$work/data-home" "$work/config-home"
start_game() {
  (cd "$work/game" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null \
    XDG_DATA_HOME="$work/data-home" XDG_CONFIG_HOME="$work/config-home" exec "$game" "$@") \
    >"$work/game.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
}
alive() { kill -0 "$game_pid" 2>/dev/null; }
shoot() { import -window root "$work/shot.png" 2>/dev/null; }
press() {
  hold_key "$1"
  sleep "${2:-0.4}"
}
quit_game() {
  press Escape 1
  press Return 0
  for _ in $(seq 100); do alive || break; sleep 0.1; done
  alive && fail "the game did not exit after the quit question"
}

start_game
wait_for_picture "$work/shot.png" || fail "nothing appeared on the screen"
sleep 8
# "trenink a" for longer than its first song (the longest lasts about 85 s), a few atoms put
# down, then quit back to the menu.
press Return 1
press Down
press Down
press Down
press Return 1.8
press space 4
end=$((SECONDS + 95))
while [ $SECONDS -lt $end ]; do
  for move in space Right space Down space Left; do press "$move" 1; done
done
alive || fail "the game stopped during play"
press Escape 1
press Return 1.5
quit_game

replay=$work/data-home/brunival/replays/game-0001.replay
[ -f "$replay" ] || fail "no replay beside the hall of fame"
draws=$(python3 - "$replay" <<'PY'
import sys, zlib
data = open(sys.argv[1], "rb").read()
payload = zlib.decompress(data[20:-4])
def varint(at):
    value = shift = 0
    while True:
        byte = payload[at]; at += 1
        value |= (byte & 0x7F) << shift; shift += 7
        if byte < 0x80: return value, at
at = 8
for _ in range(2): _, at = varint(at)
at += 6
for _ in range(2): _, at = varint(at)
at += 9
frames, at = varint(at)
runs, at = varint(at)
draws = 0
for _ in range(runs):
    count, at = varint(at); _, at = varint(at); bits, at = varint(at)
    draws += count if bits & 1024 else 0
print(draws)
PY
)
echo "replay: $(stat -c %s "$replay") bytes, the music drew on $draws frames"
[ "$draws" -ge 2 ] || fail "the game should outlast its first song (music draws: $draws)"
cp "$replay" "$work/game/watched.replay"
verdict=$(cd "$work/game" && "$runner" --verify watched.replay | tail -1)
echo "runner: $verdict"
[[ "$verdict" == "verified 4 "* ]] || fail "the window's replay does not verify: $verdict"

# Watching it: the play screen shows, Esc leaves for the main menu, the store is not touched.
store=$work/data-home/brunival/hall-of-fame.store
before=$(md5sum <"$store" 2>/dev/null)
start_game --replay watched.replay
wait_for_picture "$work/shot.png" || fail "the replay showed nothing"
sleep 6
shoot
cp "$work/shot.png" "$artefacts/window_replay_watching.png"
cp "$work/shot.png" "$work/watching.png"
press Escape 1.5
shoot
cp "$work/shot.png" "$artefacts/window_replay_menu.png"
difference=$(compare -metric AE "$work/watching.png" "$work/shot.png" null: 2>&1 | cut -d. -f1)
[ "$difference" -gt 10000 ] || fail "Esc should leave the replay for the menu ($difference pixels)"
quit_game
[ "$(md5sum <"$store" 2>/dev/null)" = "$before" ] || fail "watching touched the store"
[ "$(ls "$work/data-home/brunival/replays")" = "$(printf 'game-0001.replay\nrecords.txt')" ] ||
  [ "$(ls "$work/data-home/brunival/replays")" = "game-0001.replay" ] ||
  fail "watching kept replays: $(ls "$work/data-home/brunival/replays")"

# The day's challenge from the command line: its briefing at once, as the runner draws it (the
# electrons turn and the cursor pulses, so a few pixels differ), then quit and kept as a replay.
start_game --daily 2026-12-24 --lang cs
wait_for_picture "$work/shot.png" || fail "the daily challenge showed nothing"
sleep 2.5
shoot
cp "$work/shot.png" "$artefacts/window_daily_briefing.png"
(cd "$work/game" && printf 'frames 150 17\nscreenshot briefing.png\n' |
  "$runner" --daily 2026-12-24 >/dev/null) || fail "the runner could not draw the briefing"
difference=$(compare -metric AE -fuzz 25% "$work/shot.png" "$work/game/briefing.png" null: 2>&1 |
  cut -d. -f1)
echo "daily briefing: $difference pixels differ from the runner's"
[ "$difference" -lt 4000 ] || fail "the window does not show the day's briefing ($difference pixels)"
press Escape 2
press Escape 1
press Return 1.5
quit_game
daily=$work/data-home/brunival/replays/game-0002.replay
[ "$(head -c 10 "$daily" 2>/dev/null | tail -c 2 | od -An -tu2 | tr -d ' ')" = 2 ] ||
  fail "the day's game was not kept as a daily replay"
cp "$daily" "$work/game/daily.replay"
verdict=$(cd "$work/game" && "$runner" --verify daily.replay | tail -1)
[[ "$verdict" == "verified 3 "* ]] || fail "the day's replay does not verify: $verdict"
echo "PASS"
