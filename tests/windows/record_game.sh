#!/usr/bin/env bash
# Prints a runner script that plays the arcade's first level with F1 held for SCORE/100 frames,
# waits out its two minutes and enters the new record as "AB", or "BB" with the argument BB.
# Usage: record_game.sh SCORE [AB|BB]
score=$1
printf 'frames 80 100\nframe 16 enter\nframe 16\nframe 16 enter\nframe 16\n'
printf 'frames 25 100\nframe 16 space\nframes 16 100\n'
printf 'frames %d 16 f1\nframes 1300 100\n' $((score / 100))
step() { printf 'frame 16 %s\nframes 4 50\n' "$1"; }
type_letter() { printf 'frame 16 space\nframe 16\n'; }
# The letters start at A; the finish key is four rows down and six columns right of B.
if [ "${2:-AB}" = BB ]; then step right; type_letter; type_letter; else type_letter; step right; type_letter; fi
for key in down down down down right right right right right right; do step "$key"; done
type_letter
