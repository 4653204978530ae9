#!/usr/bin/env bash
# Runs a fuzzer for a bounded time on a copy of the seed corpus inside
# a scratch folder, so nothing it writes lands in the source tree. Inputs that
# fail are kept in the given artifact folder (in the build tree) for the
# corpus.
set -euo pipefail

fuzzer=$1
seeds=$2
dictionary=$3 # may be empty
artifacts=$4
seconds=${5:-30}

# The targets write every input to files: keep that in memory when possible.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$seeds"/* "$work/corpus/"
cd "$work"

options=()
[ -n "$dictionary" ] && options+=(-dict="$dictionary")

# The targets' own output (load messages) is dropped; libFuzzer and the
# sanitizers still report on a copy of standard error.
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
  "${options[@]}" -close_fd_mask=3 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus" || status=$?

if [ "$status" -ne 0 ]; then
  mkdir -p "$artifacts"
  find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' -o -name 'slow-unit-*' \) -exec cp {} "$artifacts/" \;
  echo "Fuzzer failed (status $status); failing inputs copied to $artifacts"
fi
exit "$status"
