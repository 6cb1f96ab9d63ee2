#!/usr/bin/env bash
# Builds every fuzz target with clang, ASan and UBSan, writes their seed corpora and runs
# each briefly over its corpus, in-process (one job). Usage: scripts/fuzz-smoke.sh [seconds each]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build="${BRUNIVAL_FUZZ_BUILD:-build-fuzz}"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRUNIVAL_FUZZ=ON -DBRUNIVAL_SANITIZE=ON -DBRUNIVAL_TESTS=OFF -DBRUNIVAL_BENCH=OFF \
  -DBRUNIVAL_GAME=OFF >/dev/null
targets=(fuzz-container fuzz-dib fuzz-config fuzz-store fuzz-display-settings fuzz-pack-inputs
  fuzz-catalogue fuzz-replay)
cmake --build "$build" --target "${targets[@]}" -- -j2
mkdir -p "$build/fuzz-artifacts"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  log="$build/fuzz-artifacts/$target.log"
  mkdir -p "$corpus"
  # Most targets write their seeds with the game's own writers; the configuration, the store and
  # the text catalogues start from an empty corpus.
  case "$target" in
    fuzz-config | fuzz-store | fuzz-catalogue) ;;
    *) "$build/fuzz/$target" --make-seeds="$corpus" ;;
  esac
  echo "== $target: $(ls "$corpus" | wc -l) inputs, ${seconds}s"
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" "$corpus" >"$log" 2>&1 ||
    status=$?
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb|SUMMARY" "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "$target failed (exit $status); see $log" >&2
    exit "$status"
  fi
done
echo "fuzz smoke passed"
