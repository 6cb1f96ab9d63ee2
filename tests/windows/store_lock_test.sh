#!/usr/bin/env bash
# The hall of fame under Wine while another program holds its store open, as a virus scanner or a
# backup does. Held without sharing: the hall of fame shows the default tables, a record made
# meanwhile is lost rather than the old ones, and the store stays byte for byte as it was. Held
# for reading only: the record cannot replace the store, which keeps its tables. Released: the
# next record is stored beside the old one.
# Usage: store_lock_test.sh HEADLESS_EXE DATA_DIR. Uses $WINEPREFIX, or a prefix of its own.
# Exit 77 (skipped) when Wine or MinGW-w64 is missing.
set -u
runner=$(realpath "$1")
data=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in wine x86_64-w64-mingw32-gcc; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool" && exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/brunival-lock.XXXXXX")
holder=
cleanup() {
  exec 3>&-
  [ -n "$holder" ] && wait "$holder"
  # Wine's server writes the prefix as it stops; whoever removes the prefix next must find it done.
  wineserver -w 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/err" ] && cat "$work/err"
  exit 1
}
export WINEPREFIX=${WINEPREFIX:-$work/prefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

game=$work/game
mkdir -p "$game" && cp -R "$data"/. "$game" && cp "$runner" "$game/brunival-headless.exe" ||
  fail "the data set could not be copied"
x86_64-w64-mingw32-gcc -municode -O2 -o "$game/hold_file.exe" "$here/hold_file.c" ||
  fail "the holding program could not be built"
run() { (cd "$game" && wine brunival-headless.exe --store hall.store "$@" 2>"$work/err"); }
record() { "$here/record_game.sh" "$@"; }
hall='frames 80 100\nframe 16 down\nframe 16\nframe 16 down\nframe 16\nframe 16 enter\nframe 16\nstate\n'

# Starts holding the store with the sharing $1; stops at release.
hold() {
  rm -f "$work/release" "$work/held" && mkfifo "$work/release"
  (cd "$game" && exec wine hold_file.exe "$1" hall.store <"$work/release" >"$work/held") &
  holder=$!
  exec 3>"$work/release"
  for _ in $(seq 300); do
    grep -q held "$work/held" 2>/dev/null && return
    kill -0 "$holder" 2>/dev/null || fail "the store could not be held"
    sleep 0.1
  done
  fail "the store was not held within 30 seconds"
}
release() {
  exec 3>&-
  wait "$holder"
  holder=
}

record 60000 AB | run --seed 5 >/dev/null || fail "the first record"
cp "$game/hall.store" "$work/good.store"

hold none
states=$(printf "$hall" | run) || fail "the runner failed on a held store"
echo "$states" | grep -q '"HallNames":\["kelpa","rubo",' || fail "the defaults expected: $states"
grep -q "hall of fame could not be read" "$work/err" || fail "the failure was not reported"
record 55000 BB | run --seed 6 >/dev/null || fail "the runner failed in a game on a held store"
cmp -s "$game/hall.store" "$work/good.store" || fail "the held store was changed"
release

hold read
record 55000 BB | run --seed 6 >/dev/null || fail "the runner failed on a store held for reading"
cmp -s "$game/hall.store" "$work/good.store" || fail "a store held for reading was replaced"
grep -q "hall of fame could not be written" "$work/err" || fail "the refused replace was not reported"
release

record 55000 BB | run --seed 6 >/dev/null || fail "the record after the release"
states=$(printf "$hall" | run) || fail "the runner failed reading the store back"
echo "$states" | grep -q '"HallNames":\["AB","BB","kelpa",' ||
  fail "the old and the new record expected: $states"
echo "PASS"
