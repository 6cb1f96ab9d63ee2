#!/usr/bin/env bash
# Usage: tests/ports/compare_runners.sh [--reference CMD] [--data DIR] -- RUNNER_CMD...
# Runs every script of tests/ports/scripts through the reference runner (default: the Linux one in
# build/) and through RUNNER_CMD (e.g. `node build-web/brunival-headless.js`), each in a fresh
# working directory holding the data set, with the same seed and a hall-of-fame store; then
# compares their state lines and every file they wrote byte for byte. Exits 1 on a difference.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
reference=("$root/build/brunival-headless")
data=$root/build/data
while (($#)); do
  case $1 in
    --reference) read -ra reference <<<"$2" && shift 2 ;;
    --data) data=$2 && shift 2 ;;
    --) shift && break ;;
    *) echo "usage: $0 [--reference CMD] [--data DIR] -- RUNNER_CMD..." >&2 && exit 2 ;;
  esac
done
(($#)) || { echo "usage: $0 [--reference CMD] [--data DIR] -- RUNNER_CMD..." >&2 && exit 2; }
other=("$@")

# The runners start inside their working directories: programs named relative to here get
# absolute paths (Wine takes a Unix path to the .exe as well).
absolute() { for word in "$@"; do if [ -e "$word" ]; then realpath "$word"; else echo "$word"; fi; done; }
mapfile -t reference < <(absolute "${reference[@]}")
mapfile -t other < <(absolute "${other[@]}")
data=$(realpath "$data")

work=$(mktemp -d "${TMPDIR:-/tmp}/brunival-ports.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Runs script $1 through the command in the remaining arguments in directory $2; leaves the
# files it wrote there and its states in $2.states.
run_script() {
  local script=$1 dir=$2
  shift 2
  mkdir -p "$dir" && cp -R "$data"/. "$dir" && cp "$script" "$dir/script.txt" || return 1
  # Relative names only: Wine and Node both resolve them in the working directory.
  if ! (cd "$dir" && "$@" --seed 7 --store hall.store script.txt >"$dir.out" 2>"$dir.err"); then
    echo "$(basename "$script"): '$*' failed; its standard error ends:" >&2
    tail -n 20 "$dir.err" >&2
    return 1
  fi
  # A Windows runner may end its lines with CR LF; the states themselves must match.
  tr -d '\r' <"$dir.out" >"$dir.states"
  (cd "$data" && find . -type f && echo ./script.txt) | (cd "$dir" && xargs rm -f)
}

# Says which state differs first (its script line) and which members of it.
report_states() {
  local script=$1 reference_states=$2 other_states=$3 index
  index=$( (cmp "$reference_states" "$other_states" 2>/dev/null || true) | sed -n 's/.* line \([0-9]*\)$/\1/p')
  [ -n "$index" ] || index=$(($(wc -l <"$reference_states") + 1))
  local line
  line=$(grep -n '^state' "$script" | sed -n "${index}p" | cut -d: -f1)
  echo "$(basename "$script"): state $index (script line ${line:-?}) differs:" >&2
  python3 - "$reference_states" "$other_states" "$index" <<'EOF' >&2
import json, sys
def lines(path):
    with open(path) as f: return f.read().splitlines()
a, b, i = lines(sys.argv[1]), lines(sys.argv[2]), int(sys.argv[3]) - 1
if i >= len(a) or i >= len(b):
    sys.exit(print(f"  one runner printed {len(a)} states, the other {len(b)}"))
def walk(x, y, path, out):
    if type(x) != type(y) or not isinstance(x, (dict, list)):
        if x != y: out.append(f"  {path or '(whole)'}: {json.dumps(x)[:80]} != {json.dumps(y)[:80]}")
        return
    keys = x.keys() | y.keys() if isinstance(x, dict) else range(max(len(x), len(y)))
    for k in keys:
        if isinstance(x, dict): walk(x.get(k), y.get(k), f"{path}.{k}", out)
        else: walk(x[k] if k < len(x) else None, y[k] if k < len(y) else None, f"{path}[{k}]", out)
try:
    out = []
    walk(json.loads(a[i]), json.loads(b[i]), "", out)
    print("\n".join(out[:10]))
except ValueError as e:
    print(f"  not JSON: {e}")
EOF
}

status=0
for script in "$root"/tests/ports/scripts/*.txt; do
  name=$(basename "$script")
  runs=$work/${name%.txt}
  if ! run_script "$script" "$runs/reference" "${reference[@]}" ||
    ! run_script "$script" "$runs/other" "${other[@]}"; then
    status=1
    continue
  fi
  same=1
  if ! cmp -s "$runs/reference.states" "$runs/other.states"; then
    report_states "$script" "$runs/reference.states" "$runs/other.states"
    same=0
  fi
  # Every file the script wrote: screenshots and the store.
  for file in $( (cd "$runs/reference" && find . -type f; cd "$runs/other" && find . -type f) | sort -u); do
    if ! cmp -s "$runs/reference/$file" "$runs/other/$file"; then
      # A decoder without the reference's SIMD code rounds its float IDCT a step apart.
      if [[ $file == *.png && -n ${BRUNIVAL_COMPARE_PIXEL_FUZZ:-} ]] &&
        compare -metric AE -fuzz "$BRUNIVAL_COMPARE_PIXEL_FUZZ" "$runs/reference/$file" \
          "$runs/other/$file" null: 2>/dev/null; then
        echo "$name: ${file#./} differs within $BRUNIVAL_COMPARE_PIXEL_FUZZ per pixel" >&2
        continue
      fi
      echo "$name: ${file#./} differs (or only one runner wrote it)" >&2
      same=0
    fi
  done
  if ((same)); then
    echo "$name: same $(wc -l <"$runs/reference.states") states and $(cd "$runs/reference" && find . -type f | wc -l) files"
  else
    status=1
  fi
done
exit $status
