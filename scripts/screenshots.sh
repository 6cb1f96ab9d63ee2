#!/usr/bin/env bash
# Takes the README's screenshots with the headless runner: intro, menus, a busy game, briefing,
# result, name entry and hall of fame, written to docs/screenshots/ and reduced to 256 colours by
# pngquant, so the set stays small enough to keep in git.
# Usage: scripts/screenshots.sh [BUILD_DIR [OUT_DIR [RUNNER_OPTION...]]]; the runner options are
# given to every run.
set -euo pipefail
cd "$(dirname "$0")/.."
# --lang CODE takes the pictures in that language, into a folder of its own (en/, ...).
lang=()
if [ "${1:-}" = --lang ]; then lang=(--lang "$2"); shift 2; fi
build=${1:-build}
out=$(realpath -m "${2:-docs/screenshots}")
runner_options=("${@:3}")
runner="$PWD/$build/brunival-headless"
[ -x "$runner" ] && [ -f "$build/data/grafika.dat" ] || { echo "build first: $build" >&2; exit 1; }
command -v pngquant >/dev/null || { echo "pngquant is needed (scripts/install-deps.sh)" >&2; exit 1; }
[ ${#lang[@]} -eq 0 ] || out="$out/${lang[1]}"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/data/." "$work/"
cd "$work"

press() { printf 'frame 20 %s\nframe 20\n' "$@"; }

# Intro, menu, mode choice, settings, information, hall of fame.
{
  printf 'frames 260 20\nscreenshot %s/intro.png\nframes 130 20\n' "$out"
  printf 'screenshot %s/menu.png\n' "$out"
  press enter; printf 'screenshot %s/modes.png\n' "$out"; press esc
  press down; press enter; printf 'screenshot %s/settings.png\n' "$out"; press esc
  press down; press down; press enter; printf 'screenshot %s/information.png\n' "$out"; press esc
  press up; press enter; printf 'screenshot %s/hall-of-fame.png\n' "$out"
} | "$runner" "${runner_options[@]}" "${lang[@]}" --seed 3 > /dev/null

# A "bitva" game: briefing, a board built up with digits on, the result and the name entry.
{
  printf 'frames 390 20\n'
  press enter; press down; press enter
  printf 'frames 30 20\nscreenshot %s/briefing.png\nframes 30 20\n' "$out"
  press space; printf 'frames 80 20\n'
  for col in 1 2 3 4 5 6; do
    for row in 1 2 3; do
      printf 'frames 25 20\nframe 20 space\nframe 20\n'
      printf 'frame 20 down\nframes 5 20\n'
    done
    printf 'frame 20 right\nframes 5 20\n'
    printf 'frame 20 up\nframes 5 20\nframe 20 up\nframes 5 20\nframe 20 up\nframes 5 20\n'
  done
  printf 'frames 40 20\nscreenshot %s/play.png\n' "$out"
  printf 'frames 40 20 f1\nframe 20 m\nframe 20\nframes 60 20\n'
  printf 'screenshot %s/result.png\nframes 300 20\n' "$out"
  printf 'screenshot %s/name-entry.png\n' "$out"
} | "$runner" "${runner_options[@]}" "${lang[@]}" --seed 5 > /dev/null

pngquant --force --skip-if-larger --speed 1 --quality 80-100 --ext .png "$out"/*.png || true
du -ch "$out"/*.png
