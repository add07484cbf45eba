#!/usr/bin/env bash
# Installs what is missing, builds and runs Quorvel on its default simulation.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
exec build/quorvel-batch --ticks 1000 "$@"
