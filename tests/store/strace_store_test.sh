#!/usr/bin/env bash
# A hall of fame that exists survives an open or a read that fails once. strace makes the store's
# first open fail with EACCES, and in other runs its first read with EIO, while the runner opens
# the hall of fame: the store must stay byte for byte as it was. Then the same failures hit the
# hall of fame and the load at the end of a game, so the record is entered over the default
# tables held in memory: the store must keep every old entry beside the new record.
# Usage: strace_store_test.sh HEADLESS DATA_DIR. Exit 77 (skipped) without a strace that can trace.
set -u
runner=$(realpath "$1")
data=$2
here=$(cd "$(dirname "$0")" && pwd)
fail() {
  echo "FAIL: $*"
  exit 1
}
command -v strace >/dev/null || { echo "SKIP: no strace" && exit 77; }
strace -f -o /dev/null true 2>/dev/null || { echo "SKIP: strace cannot trace here" && exit 77; }
[ -f "$data/grafika.dat" ] || { echo "SKIP: no data set in $data" && exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/brunival-strace.XXXXXX")
trap 'rm -rf "$work"' EXIT
store=$work/hall.store
# The runner plays in the data folder; its standard error goes to $work/err.
run() { (cd "$data" && "$@" 2>"$work/err"); }

# The main menu's third item, "sin slavy", then back to its first.
hall='frames 80 100\nframe 16 down\nframe 16\nframe 16 down\nframe 16\nframe 16 enter\nframe 16\nstate\n'
back='frame 16 esc\nframe 16\nframe 16 up\nframe 16\nframe 16 up\nframe 16\n'

"$here/../windows/record_game.sh" 60000 AB | run "$runner" --seed 5 --store "$store" >/dev/null ||
  fail "the first record could not be made: $(cat "$work/err")"
cp "$store" "$work/good.store"
grep -q . "$work/good.store" || fail "no store was written"

# Runs the runner with syscall $1 failing with $2 on its calls $3 that touch the store.
run_failing() {
  local syscall=$1 error=$2 calls=$3
  shift 3
  run strace -f -o /dev/null -P "$store" -e trace="$syscall" \
    -e inject="$syscall:error=$error:when=$calls" "$runner" --seed 6 --store "$store" "$@"
}

for failure in "openat EACCES Permission denied" "read EIO Input/output error"; do
  read -r syscall error reason <<<"$failure"

  states=$(printf "$hall" | run_failing "$syscall" "$error" 1) || fail "$syscall: the runner failed"
  echo "$states" | grep -q '"HallNames":\["kelpa","rubo",' ||
    fail "$syscall $error: the default tables expected on screen: $states"
  cmp -s "$store" "$work/good.store" || fail "$syscall $error: the store was changed"
  grep -q "hall of fame could not be read.*$reason" "$work/err" ||
    fail "$syscall $error: no report of the failure: $(cat "$work/err")"
  [ "$(grep -c "hall of fame" "$work/err")" = 1 ] || fail "reported more than once: $(cat "$work/err")"

  states=$( (printf "$hall$back" && "$here/../windows/record_game.sh" 55000 BB && echo state) |
    run_failing "$syscall" "$error" 1..2) || fail "$syscall: the runner failed in the game"
  final=$(echo "$states" | tail -n 1)
  echo "$final" | grep -q '"HallNames":\["AB","BB","kelpa","rubo",' ||
    fail "$syscall $error: the old record and the new one expected: $final"
  echo "$final" | grep -q '"HallScores":\["60000","55000","50000","45000",' ||
    fail "$syscall $error: the old scores expected under the new one: $final"
  cp "$work/good.store" "$store"
done
echo "PASS"
