#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test: once in an optimised
# build, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BENCH=ON
(cd build && ctest --output-on-failure -j "$jobs")

scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON -DQUORVEL_BENCH=OFF
(cd build-sanitize && QUORVEL_SANITIZED=1 ctest --output-on-failure -j "$jobs")

# Every reader fed with random bytes for a minute, under ASan and UBSan.
scripts/fuzz.sh 60 build-fuzz
