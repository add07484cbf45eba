#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs, where they are missing.
# Usage: scripts/install-deps.sh [package ...]   (adds to the base set)
set -euo pipefail

# Qt Charts' CMake package needs Qt OpenGL's, which Debian 12 ships in
# libqt6opengl6-dev without qt6-charts-dev depending on it.
packages=(build-essential cmake ninja-build libgtest-dev locales qt6-base-dev qt6-qpa-plugins
          qt6-image-formats-plugins qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
          libavformat-dev libavcodec-dev libswscale-dev libavutil-dev ffmpeg
          lammps openmpi-bin python3-ase clang "$@")
# libFuzzer and the sanitizers' runtimes are only recommended by clang.
packages+=(libclang-rt-14-dev)
# The icons are rendered with Qt SVG; the install test validates the desktop
# files, formats the man pages and builds the Debian package (CPack finds the
# binaries with file, their libraries with dpkg-shlibdeps).
packages+=(qt6-svg-dev desktop-file-utils appstream groff-base dpkg-dev file)
# The Python module: pybind11, and the NumPy and pytest of Debian's Python.
packages+=(pybind11-dev python3-pybind11 python3-numpy python3-pytest)
# The translations: lupdate and lrelease, and Qt's own texts for the
# standard dialogs and buttons.
packages+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
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
