#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs Quorvel on its default simulation.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Quorvel is a desktop application and needs a display (X11 or Wayland)." >&2
  echo "Without one, try: xvfb-run ./run.sh, or build/quorvel-batch for headless runs." >&2
  exit 1
fi
# The desktop application, stopped on its default simulation; a simulation
# file given here is opened as if it had been dropped on the window.
exec build/quorvel "$@"
