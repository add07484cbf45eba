#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every example and bench scenario through a quorvel-batch for a few
# displays, with each engine and thread count, and keeps what it saves: the
# simulation file after the run and the outputs of every display. Run it with
# the program built before a change and after it, then compare the folders:
# a change that must keep every trajectory leaves them identical.
# Usage: scripts/replay.sh BATCH OUT_DIR
#        diff -r OLD_DIR NEW_DIR && echo identical
# QUORVEL_REPLAY_THREADS="1 3 8" runs the fast engine on those thread counts
# (default: 1 and 2).
set -euo pipefail
cd "$(dirname "$0")/.."
batch=$(realpath "$1")
out=$2
mkdir -p "$out"
for file in examples/*.txt bench/scenarios/*.txt; do
  name=$(basename "${file%.txt}")
  runs=("reference 1")
  for threads in ${QUORVEL_REPLAY_THREADS:-1 2}; do runs+=("fast $threads"); done
  for run in "${runs[@]}"; do
    set -- $run
    "$batch" "$file" --ticks 6 --engine "$1" --threads "$2" \
      --output "$out/$name.$1$2.txt" --csv "$out/$name.$1$2.csv" >/dev/null 2>&1 || echo "failed: $name $1 $2" >&2
  done
done
"$batch" --ticks 4 --output "$out/default.txt" >/dev/null 2>&1
"$batch" --new Kr:100,Ar:300 --seed 7 --ticks 4 --output "$out/new-fcc.txt" >/dev/null 2>&1
"$batch" --new Ar:256 --lattice random --seed 3 --ticks 4 --engine reference --output "$out/new-random.txt" >/dev/null 2>&1
