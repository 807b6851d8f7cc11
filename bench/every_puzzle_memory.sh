#!/usr/bin/env bash
# Peak memory of export --all when many headers stand over one block of
# clues: N headers "№ 1" .. "№ N" in both files, the definitions' headers
# over one block of 10000 clues of 16 full lines (5.4 MB), each grid one clue
# cell. Prints the peak resident size that /usr/bin/time reports, in MiB.
#
#   bench/every_puzzle_memory.sh [verstak-batch] [N...]     (build/cli/verstak-batch, 1 200 10000)
set -euo pipefail
batch=$(realpath "${1:-build/cli/verstak-batch}")
shift || true
counts=("${@:-1 200 10000}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for n in ${counts[*]}; do
  awk -v n="$n" 'BEGIN { for (i = 1; i <= n; i++) printf "\xb9 %d\r\n\t\r\n\r\n", i }' > "$work/grid.txt"
  awk -v n="$n" 'BEGIN { for (i = 1; i <= n; i++) printf "\xb9 %d\r\n", i;
    line = ""; for (i = 0; i < 32; i++) line = line "\xe0";
    for (c = 0; c < 10000; c++) { printf "* %s\r\n", line; for (k = 1; k < 16; k++) printf "%s\r\n", line } }' > "$work/clues.txt"
  rm -rf "$work/out"
  status=0
  peak=$(/usr/bin/time -f %M "$batch" export --all --grid "$work/grid.txt" --definitions "$work/clues.txt" \
           -o "$work/out" 2>&1 > /dev/null | tail -n 1) || status=$?
  printf '%6d headers over one block (%s MB of definitions): peak %d MiB%s\n' "$n" \
    "$(awk -v s="$(stat -c %s "$work/clues.txt")" 'BEGIN { printf "%.1f", s / 1e6 }')" $((peak / 1024)) \
    "$([ "$status" -eq 0 ] || echo ", and the export failed")"
done
