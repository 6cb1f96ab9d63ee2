#!/usr/bin/env bash
# Measures how hard every arcade level is (and how long "bitva" and "destrukce" last) with the
# automatic player: N seeded games each (default 200). Writes docs/levels.csv, draws
# docs/levels.png, puts the table into docs/LEVELS.md and keeps one winning seed per level (and
# one that clears "destrukce") in tests/autoplay/winning_seeds.txt, which CTest replays. Takes a
# few minutes; not run in CI.
#   scripts/levels.sh [GAMES]
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-200}

command -v gnuplot >/dev/null || apt-get install -y --no-install-recommends gnuplot-nox
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target brunival-autoplay assets

csv=docs/levels.csv
nice -n 10 build/brunival-autoplay --data build/data measure --games "$games" --csv "$csv.new"
mv "$csv.new" "$csv"

# Columns: 1 level, 2 limit, 3 kinds, 4 supply, 5 goal, 6 min size, 7 games, 8 wins, 9 rate,
# 10 low, 11 high, 12 median time left, 13 molecules/min, 14 wasted, 15 median played, 16 seed.
seeds=tests/autoplay/winning_seeds.txt
{
  echo "# One winning seed per arcade level and for \"destrukce\", from scripts/levels.sh;"
  echo "# CTest replays them all."
  awk -F, 'NR > 1 && ($1 ~ /^[0-9]+$/ || $1 == "destrukce") && $16 != "" { print $1, $16 }' "$csv"
} > "$seeds"
unwinnable=$(awk -F, 'NR > 1 && $1 ~ /^[0-9]+$/ && $16 == "" { printf "%s ", $1 }' "$csv")

gnuplot <<GNUPLOT
set terminal pngcairo size 900,480 font "sans,11"
set output "docs/levels.png"
set datafile separator ","
set title "Arcade levels played by the automatic player ($games games each)"
set xlabel "level"
set xrange [0.5:20.5]
set xtics 1
set ylabel "games won (%)"
set yrange [0:105]
set y2label "median time left when won (s)"
set y2range [0:*]
set y2tics
set ytics nomirror
set grid ytics
set key bottom left
plot "$csv" every ::1::20 using 1:(\$9*100):(\$10*100):(\$11*100) with yerrorlines \
       lw 2 pt 7 title "won, with 95 % interval", \
     "" every ::1::20 using 1:12 axes x1y2 with linespoints lw 1 dt 2 pt 6 title "time left"
GNUPLOT

table=$(awk -F, '
  NR == 1 { next }
  $1 ~ /^[0-9]+$/ {
    printf "| %s | %s | %s | %.1f | %d | %d | %.0f %% | %.0f–%.0f %% | %s s | %s | %s |\n",
      $1, $3, $2 " s", $4 / 1000, $5, $6, $9 * 100, $10 * 100, $11 * 100, $12, $13, $14
    next
  }
  $1 == "bitva" { modes = modes sprintf("- \"bitva\": survived a median of %s s (%d games), %s molecules a minute.\n", $15, $7, $13) }
  $1 == "destrukce" && $8 == 0 { modes = modes sprintf("- \"destrukce\": board never cleared in %d games.\n", $7) }
  $1 == "destrukce" && $8 > 0 { modes = modes sprintf("- \"destrukce\": board cleared in %d of %d games, median time to clear %s s.\n", $8, $7, $15) }
  END {
    print ""
    printf "%s", modes
  }' "$csv")
header="| level | kinds | limit | supply (s) | goal | min size | won | 95 % interval | median time left | molecules / min | wasted atoms / game |
|---|---|---|---|---|---|---|---|---|---|---|"
python3 - "$header" "$table" "$games" <<'PY'
import re, sys
header, table, games = sys.argv[1:]
path = "docs/LEVELS.md"
text = open(path, encoding="utf-8").read()
block = f"<!-- measured:begin -->\n{games} games per level.\n\n{header}\n{table}\n<!-- measured:end -->"
text = re.sub(r"<!-- measured:begin -->.*<!-- measured:end -->", lambda _: block, text, flags=re.S)
open(path, "w", encoding="utf-8").write(text)
PY

echo "levels.sh: wrote $csv, docs/levels.png, docs/LEVELS.md and $seeds"
if [ -n "$unwinnable" ]; then
  echo "levels.sh: no game won on level(s) $unwinnable" >&2
  exit 1
fi
