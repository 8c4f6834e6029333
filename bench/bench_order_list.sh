#!/usr/bin/env bash
# Times bendcalc batch, file to file, on generated order lists: closed-form
# rows (radius and degrees, with glass) and search rows (arc and chord, and
# arc and rise, half and half), a million rows each unless another count is
# given. Uses the release build; prints the best of three runs in rows per
# second, and the peak memory when /usr/bin/time is there.
set -euo pipefail
cd "$(dirname "$0")/.."

rows="${1:-1000000}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --preset release > /dev/null
cmake --build --preset release --target bendcalc > /dev/null
program=build/release/bendcalc/bendcalc

awk -v rows="$rows" 'BEGIN {
  srand(1); print "mark,radius,degrees,glass"
  for (i = 0; i < rows; i++)
    printf "P%d,%d,%d.%d,%d\n", i, 300 + int(rand() * 4700), 5 + int(rand() * 165), int(rand() * 10), 4 + 2 * int(rand() * 4)
}' > "$work/closed.csv"
awk -v rows="$rows" 'BEGIN {
  srand(2); print "mark,arc,chord,rise,glass"
  for (i = 0; i < rows; i++) {
    arc = 300 + int(rand() * 2700)
    if (i % 2 == 0) printf "P%d,%d,%.1f,,6\n", i, arc, arc * (0.5 + rand() * 0.47)
    else printf "P%d,%d,,%.1f,6\n", i, arc, arc * (0.12 + rand() * 0.18)
  }
}' > "$work/search.csv"

for list in closed search; do
  best=""
  for run in 1 2 3; do
    start=$(date +%s.%N)
    "$program" batch "$work/$list.csv" -o "$work/$list.out.csv" --quiet || [ $? -eq 1 ]
    seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
    if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$seconds; fi
  done
  memory=""
  if [ -x /usr/bin/time ]; then
    memory=$(/usr/bin/time -f '%M' "$program" batch "$work/$list.csv" -o "$work/$list.out.csv" --quiet 2>&1 >/dev/null || true)
    memory=", peak memory $((memory / 1024)) MiB"
  fi
  printf '%s rows: %d rows in %.2f s, %.0f rows/s%s\n' "$list" "$rows" "$best" "$(awk -v r="$rows" -v s="$best" 'BEGIN { print r / s }')" "$memory"
done
