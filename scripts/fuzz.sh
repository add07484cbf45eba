#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the readers' fuzz targets with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60).
# The model's sources are compiled straight into the targets, so the
# coverage the fuzzer steers by reaches every reader.
# Usage: scripts/fuzz.sh [SECONDS] [BUILD_DIR]   (seeds from build/quorvel-batch when it exists)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=${2:-build-fuzz}
cxx=${FUZZ_CXX:-clang++}
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -ffp-contract=off -Isrc -Ifuzz
       -fsanitize=address,undefined -fno-sanitize-recover=undefined)
mkdir -p "$out/obj" "$out/seeds"

# The model, instrumented for coverage, once for every target.
objects=()
for source in src/BASE/*.cpp src/SIM/*/*.cpp; do
  object="$out/obj/$(basename "${source%.cpp}").o"
  if [ ! -f "$object" ] || [ "$source" -nt "$object" ]; then
    if [[ "$(basename "$source")" == CFastEngine_simd.cpp || "$(basename "$source")" == CFastEngine_avx512.cpp ]]; then
      # clang refuses these vector kernels without the target on the whole
      # file; they are the engine, not a reader: built as the project builds them.
      g++ -std=c++20 -O2 -ffp-contract=off -Isrc -c "$source" -o "$object"
    else
      "$cxx" "${flags[@]}" -fsanitize=fuzzer-no-link -c "$source" -o "$object"
    fi
  fi
  objects+=("$object")
done

# Seeds: the examples and bench scenarios, and their trajectories and LAMMPS
# data files as the batch runner writes them.
seeds() { mkdir -p "$out/seeds/$1"; echo "$out/seeds/$1"; }
sim=$(seeds simulation_file); xyz=$(seeds extended_xyz); data=$(seeds lammps_data)
cp examples/*.txt bench/scenarios/*.txt "$sim/"
if [ -x build/quorvel-batch ]; then
  for example in examples/*.txt; do
    name=$(basename "${example%.txt}")
    build/quorvel-batch "$example" --ticks 1 --trajectory "$xyz/$name.xyz" --lammps "$out/seeds/lammps-$name" \
      >/dev/null 2>&1 || true
    [ -f "$out/seeds/lammps-$name/data.quorvel" ] && cp "$out/seeds/lammps-$name/data.quorvel" "$data/$name.data"
  done
  cp "$xyz"/*.xyz "$data"/*.data "$sim/" 2>/dev/null || true
fi

status=0
for target in simulation_file extended_xyz lammps_data; do
  "$cxx" "${flags[@]}" -fsanitize=fuzzer "fuzz/fuzz_$target.cpp" "${objects[@]}" -o "$out/fuzz_$target"
  corpus="$out/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzzing the $target reader for $seconds s" >&2
  if ! (cd "$out" && "./fuzz_$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "corpus/$target" "seeds/$target" >"fuzz_$target.log" 2>&1); then
    echo "fuzz_$target found a fault; see $out/fuzz_$target.log and the crash-* file beside it" >&2
    tail -40 "$out/fuzz_$target.log" >&2
    status=1
  fi
done
exit $status
