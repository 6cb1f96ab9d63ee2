#!/usr/bin/env bash
# Measures how hard every arcade level is for people: the automatic player plays each level GAMES
# times (default 500) at the pace of a quick, an average and a beginning player, on runs from
# 10001 on (the table was tuned on runs below 10001). The same runs, level after level, make whole
# runs of "arkada". Writes docs/levels/*.csv and *.png, the tables in docs/LEVELS.md and
# tests/autoplay/level_bands.txt, the band CTest checks. Takes a while; not run in CI.
#   scripts/levels.sh [GAMES]
# With REPORT_ONLY=1 it measures nothing and rewrites the tables, charts and bands from the CSVs.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-500}
first_run=10001
# The band check plays these runs of the average profile; they are neither tuning nor report runs.
band_first=20001
band_runs=60
profiles=(quick average beginner)

command -v gnuplot >/dev/null || apt-get install -y --no-install-recommends gnuplot-nox
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target brunival-autoplay assets

out=docs/levels
games_dir=build/levels  # one row per game: too many to keep in git
mkdir -p "$out" "$games_dir"
measure() {
  nice -n 10 build/brunival-autoplay --data build/data --profile "$1" measure \
    --games "$games" --first-run "$first_run" --levels 1-20 \
    --csv "$out/$1.csv.new" --games-csv "$games_dir/$1-games.csv"
}
# "bitva" and "destrukce" are long games: fewer of them, for the average player only.
modes() {
  nice -n 10 build/brunival-autoplay --data build/data --profile average measure \
    --games $((games / 5)) --first-run "$first_run" --levels bitva,destrukce --csv "$out/modes.csv.new"
}
if [ "${REPORT_ONLY:-0}" != 1 ]; then
  measure quick & measure average & measure beginner & modes & wait
  for name in "${profiles[@]}" modes; do mv "$out/$name.csv.new" "$out/$name.csv"; done
fi

# Whole runs: run R ends at the first level it loses (21: all twenty won). Columns of runs.csv:
# profile, level, runs ending there, runs reaching it, share reaching it, and its 95 % interval.
python3 - "$games_dir" "$out" "${profiles[@]}" <<'PY'
import csv, math, sys
games_dir, out, profiles = sys.argv[1], sys.argv[2], sys.argv[3:]
def wilson(k, n, z=1.96):
    p = k / n; d = 1 + z * z / n
    c = (p + z * z / (2 * n)) / d
    h = z / d * math.sqrt(p * (1 - p) / n + z * z / (4 * n * n))
    return max(0, c - h), min(1, c + h)
with open(f"{out}/runs.csv", "w") as f:
    f.write("profile,level,ended,reached,share,low,high\n")
    for profile in profiles:
        lost = {}
        for row in csv.DictReader(open(f"{games_dir}/{profile}-games.csv")):
            if not row["level"].isdigit(): continue
            run, level = int(row["run"]), int(row["level"])
            lost.setdefault(run, 21)
            if row["won"] == "0": lost[run] = min(lost[run], level)
        n = len(lost)
        for level in range(1, 22):
            ended = sum(1 for end in lost.values() if end == level)
            reached = sum(1 for end in lost.values() if end >= level)
            low, high = wilson(reached, n)
            f.write(f"{profile},{level},{ended},{reached},{reached / n:.4f},{low:.4f},{high:.4f}\n")
PY

# Figures columns: 1 level, 2 limit, 3 kinds, 4 supply, 5 goal, 6 min size, 7 games, 8 wins,
# 9 rate, 10 low, 11 high, 12 median time left, 13 molecules/min, 14 wasted, 15 median played,
# 16 seed, 17 atoms/min.
gnuplot <<GNUPLOT
set terminal pngcairo size 900,480 font "sans,11"
set datafile separator ","
set xrange [0.5:20.5]
set xtics 1
set grid ytics
set key bottom left
set yrange [0:105]
set output "$out/win-rates.png"
set title "Arcade levels won ($games games a level, runs from $first_run; bars: 95 % intervals)"
set xlabel "level"
set ylabel "games won (%)"
plot for [p in "quick average beginner"] "$out/".p.".csv" every ::1::20 \
     using 1:(\$9*100):(\$10*100):(\$11*100) with yerrorlines lw 2 pt 7 title p
set output "$out/runs.png"
set xrange [0.5:21.5]
set xtics ("1" 1, "5" 5, "10" 10, "15" 15, "20" 20, "all won" 21)
set title "Whole runs of arcade from level 1: share of runs that reach each level ($games runs)"
set ylabel "runs reaching the level (%)"
set xlabel "level (a run ends at the first level it loses)"
plot for [p in "quick average beginner"] "< grep ^".p.", $out/runs.csv" \
     using 2:(\$5*100):(\$6*100):(\$7*100) with yerrorlines lw 2 pt 7 title p
GNUPLOT

# The bands: the wins the average profile's rate predicts for band_runs games, three standard
# deviations wide (the game-to-game spread and the uncertainty of the measured rate).
awk -F, -v n="$band_runs" -v first="$band_first" -v games="$games" '
  NR == 1 { print "# Wins each arcade level must reach in the runs below, average profile;"
            print "# written by scripts/levels.sh from the measured rates."
            print "runs", first, n; next }
  $1 ~ /^[0-9]+$/ {
    p = $9; sd = sqrt(n * p * (1 - p) + n * n * p * (1 - p) / games)
    if (sd < 1) sd = 1  # a rate measured at 0 or 100 % is not quite certain
    low = int(n * p - 3 * sd); high = int(n * p + 3 * sd + 0.999)
    if (low < 0) low = 0; if (high > n) high = n
    print $1, low, high }' "$out/average.csv" > tests/autoplay/level_bands.txt

python3 - "$out" "$games" "$first_run" <<'PY'
import csv, re, sys
out, games, first_run = sys.argv[1:]
rows = {p: list(csv.DictReader(open(f"{out}/{p}.csv"))) for p in ("quick", "average", "beginner", "modes")}
runs = list(csv.DictReader(open(f"{out}/runs.csv")))
pct = lambda x: f"{float(x) * 100:.0f}"
lines = [f"{games} games a level and profile, runs {first_run}–{int(first_run) + int(games) - 1}.", "",
         "| level | kinds | limit | supply (s) | goal | min size | quick | average | beginner | average: 95 % interval | median time left (average) | atoms / min (q / a / b) |",
         "|---|---|---|---|---|---|---|---|---|---|---|---|"]
for i in range(20):
    q, a, b = rows["quick"][i], rows["average"][i], rows["beginner"][i]
    lines.append(f"| {a['level']} | {a['kinds']} | {a['time_limit_s']} s | {int(a['supply_ms']) / 1000:.1f} | "
                 f"{a['goal']} | {a['min_size']} | {pct(q['win_rate'])} % | {pct(a['win_rate'])} % | "
                 f"{pct(b['win_rate'])} % | {pct(a['win_low'])}–{pct(a['win_high'])} % | "
                 f"{a['median_time_left_s']} s | {float(q['atoms_per_min']):.0f} / "
                 f"{float(a['atoms_per_min']):.0f} / {float(b['atoms_per_min']):.0f} |")
for a in rows["modes"]:
    if a["level"] == "bitva":
        lines.append(f"\n- \"survival\" (average profile): lasted a median of {a['median_played_s']} s "
                     f"({a['games']} games), {a['molecules_per_min']} molecules a minute.")
    if a["level"] == "destrukce":
        lines.append(f"- \"clearance\" (average profile): board cleared in {a['wins']} of {a['games']} games, "
                     f"median time to clear {a['median_played_s']} s.")
lines += ["", "Whole runs of arcade from level 1, the level where a run ends (its first lost level), runs in %:", "",
          "| profile | " + " | ".join(str(l) for l in range(1, 21)) + " | all won | reach level 10 |",
          "|---|" + "---|" * 22]
for p in ("quick", "average", "beginner"):
    mine = [r for r in runs if r["profile"] == p]
    n = int(mine[0]["reached"])
    ended = [f"{int(r['ended']) * 100 / n:.1f}" for r in mine]
    lines.append(f"| {p} | " + " | ".join(ended) + f" | {pct(mine[9]['share'])} % "
                 f"({pct(mine[9]['low'])}–{pct(mine[9]['high'])}) |")
block = "<!-- measured:begin -->\n" + "\n".join(lines) + "\n<!-- measured:end -->"
path = "docs/LEVELS.md"
text = open(path, encoding="utf-8").read()
text = re.sub(r"<!-- measured:begin -->.*<!-- measured:end -->", lambda _: block, text, flags=re.S)
open(path, "w", encoding="utf-8").write(text)
PY

# The fixed runs must fall in the bands just written, or the band test would fail at once.
build/brunival-autoplay --data build/data --profile average band tests/autoplay/level_bands.txt
echo "levels.sh: wrote $out/, docs/LEVELS.md and tests/autoplay/level_bands.txt"
