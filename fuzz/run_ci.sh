#!/usr/bin/env bash
# Fuzzing for CI: builds the libFuzzer targets with clang, replays each
# target's seed corpus (fuzz/corpus/ and the files in examples/; for the font
# target the installed TrueType fonts of fonts-paratype and fonts-dejavu), then fuzzes
# each target for FUZZ_SECONDS seconds (30 by default) from its seeds.
# Inputs found on the way go to a scratch folder, not into the tree; an input
# that breaks a target is kept in <build>/fuzz-artifacts/.
#
#   fuzz/run_ci.sh [build folder]      (default: build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-30}
command -v clang++ > /dev/null || { echo "fuzz/run_ci.sh needs clang and libclang-rt-14-dev" >&2; exit 1; }

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVERSTAK_FUZZ=ON -DVERSTAK_BENCHMARKS=OFF > /dev/null
cmake --build "$build" --target fuzz_targets --parallel "$(nproc)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

# target, seed folder, example files that are seeds too
targets=(
  "fuzz_grid_file grid examples/setki.txt"
  "fuzz_grid_scan grid examples/setki.txt"
  "fuzz_definitions_file definitions examples/opredeleniya.txt"
  "fuzz_definitions_scan definitions examples/opredeleniya.txt"
  "fuzz_scanword_file scanword"
  "fuzz_text_parsers text"
  "fuzz_font_file fonts"
)
# One target: its seeds replayed, then fuzzed; its output kept until the end
# so that targets run side by side do not mix their lines.
fuzz_one() {
  local name=$1 seeds=$2 examples=${3:-}
  local corpus="$scratch/$name"
  mkdir -p "$corpus"
  if [ "$seeds" = fonts ]; then
    # The TrueType fonts of the packages the build installs: no font files in the tree.
    cp /usr/share/fonts/truetype/paratype/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf "$corpus"/
  else
    cp fuzz/corpus/"$seeds"/* "$corpus"/
  fi
  [ -z "$examples" ] || cp $examples "$corpus"/
  local options=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/$name-")
  {
    echo "== $name: replaying $(ls "$corpus" | wc -l) seeds, then fuzzing ${seconds} s"
    "$build/fuzz/$name" "${options[@]}" -runs=0 "$corpus" 2> "$scratch/$name.replay" \
      || { tail -n 60 "$scratch/$name.replay"; return 1; }
    "$build/fuzz/$name" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$corpus" 2> "$scratch/$name.log" \
      || { tail -n 60 "$scratch/$name.log"; return 1; }
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$scratch/$name.log"
  } > "$scratch/$name.out" 2>&1
}

# As many targets at once as there are cores: each is one process.
failed=0
pids=()
names=()
for entry in "${targets[@]}"; do
  read -r name seeds examples <<< "$entry"
  while (( $(jobs -rp | wc -l) >= $(nproc) )); do wait -n || failed=1; done
  fuzz_one "$name" "$seeds" "${examples:-}" &
  pids+=($!)
  names+=("$name")
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
for name in "${names[@]}"; do cat "$scratch/$name.out"; done
((failed == 0)) || { echo "fuzzing: a target broke (inputs in $artifacts)" >&2; exit 1; }
echo "fuzzing: no target broke"
