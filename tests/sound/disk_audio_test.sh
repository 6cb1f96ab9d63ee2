#!/usr/bin/env bash
# Runs the real game for a few seconds with SDL's disk audio driver and checks that the menu music
# reached the audio device: the written samples must not be silence.
# Usage: disk_audio_test.sh GAME DATA_DIR. Exit 77 (skipped) while either is not built yet.
set -u
game=${1:?game executable}
data=${2:?data directory}
seconds=${DISK_AUDIO_SECONDS:-4}

if [ ! -x "$game" ] || [ ! -f "$data/mod/menu.mod" ]; then
  echo "skipped: needs $game and $data/mod/menu.mod"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
raw="$work/audio.raw"

# The game reads its data from the working directory; anything it stores goes to the scratch home.
cd "$data" || exit 1
HOME="$work" XDG_DATA_HOME="$work" XDG_CONFIG_HOME="$work" \
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$raw" SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-dummy}" \
  "$game" &
pid=$!
sleep "$seconds"
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  echo "FAIL: the game exited (status $?) before $seconds s had passed"
  exit 1
fi
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -KILL "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

# The device takes 44100 Hz stereo 32-bit float: 352800 bytes a second.
bytes=$(stat -c %s "$raw" 2>/dev/null || echo 0)
if [ "$bytes" -lt 352800 ]; then
  echo "FAIL: expected at least one second of audio (352800 bytes), got $bytes bytes"
  exit 1
fi
read -r rms nonzero < <(od -An -v -t f4 -w4 "$raw" |
  awk '{ s += $1 * $1; n++; if ($1 != 0) z++ } END { printf "%.6f %.4f\n", sqrt(s / n), z / n }')
echo "audio: $bytes bytes, RMS $rms, non-zero share $nonzero"
if awk -v r="$rms" 'BEGIN { exit !(r > 0.005) }'; then
  echo "PASS: the menu music reached the audio device"
  exit 0
fi
echo "FAIL: expected music (RMS > 0.005), got RMS $rms"
exit 1
