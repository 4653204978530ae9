#!/usr/bin/env bash
# Times the program from exec to its first frame in a window, on the sample disc
# and on generated discs of 10,000 games (flat and in 50 categories), and
# compares the 10,000-game start-up with the plain reading of the same text
# files plus the sample disc's start-up.
#   bash bench/startup.sh [build folder]      (RUNS=n repeats, default 7)
# Without a display it runs itself under Xvfb.
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
runs=${RUNS:-7}
program=$build/quelmara
disc_tool=$build/bench/quelmara_bench_disc
games=10000

work=$(mktemp -d "${TMPDIR:-/tmp}/quelmara-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
printf '%s' "$work/hotsync/" > "$XDG_CONFIG_HOME/quelmara.ini"

make_disc() { # folder categories
  "$disc_tool" make "$1" "$games" "$2"
  ln -s "$source_dir/disc/_data" "$1/_data"
}

# Wall time of one start, in milliseconds.
time_start_up() { # disc folder
  local start end
  start=$(date +%s%N)
  "$program" --exit-after-first-frame "$1" > /dev/null
  end=$(date +%s%N)
  awk -v t=$(((end - start) / 1000)) 'BEGIN { printf "%.1f", t / 1000 }'
}

median() {
  sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] }'
}

make_disc "$work/flat" 0
make_disc "$work/categories" 50
sync

# The five measurements taken in turns, round after round, so that a busy
# machine slows all of them alike; each figure is the median of its rounds.
for disc in "$source_dir/disc" "$work/flat" "$work/categories"; do
  "$program" --exit-after-first-frame "$disc" > /dev/null # warm the caches
done
declare -a sample_runs flat_runs category_runs raw_flat_runs raw_category_runs
for _ in $(seq "$runs"); do
  sample_runs+=("$(time_start_up "$source_dir/disc")")
  flat_runs+=("$(time_start_up "$work/flat")")
  category_runs+=("$(time_start_up "$work/categories")")
  raw_flat_runs+=("$("$disc_tool" read "$work/flat" "$games" 0)")
  raw_category_runs+=("$("$disc_tool" read "$work/categories" "$games" 50)")
done
sample=$(printf '%s\n' "${sample_runs[@]}" | median)
flat=$(printf '%s\n' "${flat_runs[@]}" | median)
categories=$(printf '%s\n' "${category_runs[@]}" | median)
raw_flat=$(printf '%s\n' "${raw_flat_runs[@]}" | median)
raw_categories=$(printf '%s\n' "${raw_category_runs[@]}" | median)
echo "start-up to first frame, medians of $runs rounds, milliseconds:"
echo "  sample disc                $sample"
echo "  $games games, flat         $flat   (raw reads of its texts $raw_flat)"
echo "  $games games, 50 folders   $categories   (raw reads of its texts $raw_categories)"
awk -v s="$sample" -v f="$flat" -v c="$categories" -v rf="$raw_flat" -v rc="$raw_categories" 'BEGIN {
  printf "ratio to (raw reads + sample start-up): flat %.2f, 50 folders %.2f\n", f / (rf + s), c / (rc + s)
}'
