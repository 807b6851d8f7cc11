#!/usr/bin/env bash
# Kills verstak-batch save with SIGKILL at random moments while it replaces
# an existing scanword file of a 99 x 99 grid, and checks after each kill that
# the file is either the old one or the new one, byte for byte. At the end,
# temporary files a kill left behind are aged past a minute and must be gone
# after the next save; and one traced save shows the file synced before it is
# renamed over the target and the folder synced after.
#
#   bench/kill_save_loop.sh [verstak-batch] [kills]     (build/cli/verstak-batch, 200)
set -euo pipefail
batch=$(realpath "${1:-build/cli/verstak-batch}")
kills=${2:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# One header, 99 rows of 99 clue cells; 9801 clues of 16 full lines.
awk 'BEGIN { printf "\xb9 1\r\n"; for (y = 0; y < 99; y++) { for (x = 0; x < 99; x++) printf "\t"; printf "\r\n" } }' > grid.txt
for letter in a b; do
  awk -v l="$letter" 'BEGIN { line = ""; for (i = 0; i < 32; i++) line = line l; printf "\xb9 1\r\n";
    for (c = 0; c < 9801; c++) { printf "* %s\r\n", line; for (n = 1; n < 16; n++) printf "%s\r\n", line } }' > "clues_$letter.txt"
  "$batch" save --grid grid.txt --definitions "clues_$letter.txt" -o "$letter.skw"
done
mkdir target
cp a.skw target/work.skw

start=$(date +%s%N)
"$batch" save --grid grid.txt --definitions clues_b.txt -o target/work.skw
save_ms=$(( ($(date +%s%N) - start) / 1000000 ))
cp a.skw target/work.skw
echo "one save of $(stat -c %s a.skw) bytes takes ${save_ms} ms; killing ${kills} saves within the first $((save_ms * 5 / 4)) ms"

old=a new=b kept_old=0 took_new=0 most_left=0
for ((i = 0; i < kills; i++)); do
  "$batch" save --grid grid.txt --definitions "clues_$new.txt" -o target/work.skw &
  pid=$!
  sleep "$(awk -v r="$RANDOM" -v t="$save_ms" 'BEGIN { printf "%.4f", r / 32768 * t * 1.25 / 1000 }')"
  kill -9 "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
  if cmp -s target/work.skw "$old.skw"; then
    kept_old=$((kept_old + 1))
  elif cmp -s target/work.skw "$new.skw"; then
    took_new=$((took_new + 1))
    old=$new new=$([ "$new" = a ] && echo b || echo a)
  else
    echo "kill $i: the file is neither the old one nor the new one" >&2
    exit 1
  fi
  left=$(find target -name '*.tmp' | wc -l)
  most_left=$((left > most_left ? left : most_left))
done
left=$(find target -name '*.tmp' | wc -l)
echo "after ${kills} kills: old file intact ${kept_old} times, new file complete ${took_new} times, never anything else"
echo "temporary files left: at most ${most_left} at a time, ${left} at the end"

find target -name '*.tmp' -exec touch -d '2 minutes ago' {} +
"$batch" save --grid grid.txt --definitions clues_a.txt -o target/work.skw
stale=$(find target -name '*.tmp' -mmin +1 | wc -l)
echo "after the next save: ${stale} temporary files older than a minute"
[ "$stale" -eq 0 ]

if command -v strace > /dev/null && strace -o /dev/null true 2> /dev/null; then
  strace -f -o trace.txt -e trace=openat,fsync,linkat,renameat,renameat2,rename \
    "$batch" save --grid grid.txt --definitions clues_b.txt -o target/work.skw
  echo "the save's file system calls on the target's folder:"
  grep -E 'O_TMPFILE|fsync|linkat|rename|O_DIRECTORY' trace.txt | grep -v -E '/(usr|lib|etc|proc/sys)' | sed 's/^[0-9]* */  /'
fi
