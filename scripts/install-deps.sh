#!/usr/bin/env bash
# Installs the Debian packages the build needs, where they are missing.
# Usage: scripts/install-deps.sh [package ...]   (adds to the base set)
set -euo pipefail

packages=(build-essential cmake ninja-build libgtest-dev locales qt6-base-dev qt6-qpa-plugins
          qt6-image-formats-plugins libavformat-dev libavcodec-dev libswscale-dev libavutil-dev ffmpeg
          lammps openmpi-bin "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq || true
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
