# Sourced by the real-window tests: a work directory, a private X display with a window
# manager, and keys pressed as a player presses them. Everything started is listed in "pids"
# and stopped, and the work directory removed, when the test exits.
work=$(mktemp -d)
pids=()
end_session() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap end_session EXIT

# Ends the test as failed: the last screen shot kept as $artefacts/$failure_shot, the game's log
# shown. A test with other evidence defines its own.
fail() {
  echo "FAIL: $*"
  [ -f "$work/shot.png" ] && cp "$work/shot.png" "$artefacts/${failure_shot:-window_failure.png}"
  [ -f "$work/game.log" ] && cat "$work/game.log"
  exit 1
}

# Skips the test (exit 77) when a tool it needs is not installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

# Starts Xvfb with a screen of the given size ("1024x768") on the first display number from
# FIRST on that nobody holds, then openbox, and exports DISPLAY. Tests running side by side
# give different FIRST numbers; should two still meet, the loser's Xvfb exits and it moves on.
# Logs go to the work directory. Returns non-zero when no display could be started.
start_x_session() {
  local size=$1 first=$2 log_dir=$work n xvfb_pid
  for n in $(seq "$first" $((first + 60))); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >"$log_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.2
    done
    if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
      pids+=("$xvfb_pid")
      export DISPLAY=":$n"
      openbox >"$log_dir/openbox.log" 2>&1 &
      pids+=($!)
      sleep 1
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  done
  return 1
}

# Waits up to 60 s (a busy machine) for anything but black on the screen, shot into $1; false
# when nothing came or the game ended first (the caller's `alive`).
wait_for_picture() {
  for _ in $(seq 120); do
    alive || return 1
    if import -window root "$1" 2>/dev/null &&
      [ "$(convert "$1" -format "%[fx:int(255*maxima)]" info:)" -gt 0 ]; then
      return 0
    fi
    sleep 0.5
  done
  return 1
}

# Holds a key (or xdotool chord such as "alt+Return") for about 100 ms: the game samples the
# keyboard once per frame, so a shorter tap can fall between two samples.
hold_key() {
  xdotool keydown "$1"
  sleep 0.1
  xdotool keyup "$1"
}
