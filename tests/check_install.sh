#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks what a Linux desktop
# needs from it: both programs answering --version, the desktop entry, the
# icons, the AppStream metainfo, the man pages, the examples, the lessons, the licence and
# the documentation.
# With PACKAGE=ON it also builds the Debian package, unpacks it and runs the
# packaged quorvel-batch.
# Usage: check_install.sh BUILD_DIR VERSION APP_ID PACKAGE
set -euo pipefail
build=$1 version=$2 id=$3 package=$4
scratch=$build/desktop-check
rm -rf "$scratch"
mkdir -p "$scratch"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$scratch/prefix" >"$scratch/install.log"
prefix=$scratch/prefix
expected=(
  bin/quorvel bin/quorvel-batch
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/quorvel.1 share/man/man1/quorvel-batch.1
  share/doc/quorvel/LICENSE share/doc/quorvel/README.md
  share/doc/quorvel/docs/user-guide.md share/doc/quorvel/docs/images/quorvel.png
)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
for example in "$(dirname "$0")"/../examples/*.txt; do expected+=("share/quorvel/examples/$(basename "$example")"); done
lessons=$(dirname "$0")/../lessons
for lesson in "$lessons"/*/*; do expected+=("share/quorvel/lessons/${lesson#"$lessons"/}"); done
for file in "${expected[@]}"; do [ -s "$prefix/$file" ] || fail "missing or empty: $file"; done

# Each PNG is square at its folder's size (the header holds width and height).
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -s "$png" ] || continue
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done

grep -qx "Exec=quorvel %f" "$prefix/share/applications/$id.desktop" || fail "desktop entry: Exec is not 'quorvel %f'"
grep -q "^Categories=.*Education;.*Science;" "$prefix/share/applications/$id.desktop" ||
  fail "desktop entry: not in Education and Science"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo: no release $version"
grep -q "GNU GENERAL PUBLIC LICENSE" "$prefix/share/doc/quorvel/LICENSE" || fail "the licence is not the GPL"

# The man pages format without warnings and name the version.
for page in quorvel quorvel-batch; do
  manpage=$prefix/share/man/man1/$page.1
  warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$manpage" 2>&1) || fail "$page.1 does not format"
  [ -z "$warnings" ] || fail "$page.1: $warnings"
  grep -q "Quorvel $version" "$manpage" || fail "$page.1 does not name version $version"
done

answer=$("$prefix/bin/quorvel-batch" --version) || fail "quorvel-batch --version failed"
[ "$answer" = "quorvel-batch $version" ] || fail "quorvel-batch --version says '$answer'"
# Read whole first: grep -q stops at the first match, and the writer it leaves
# behind would end on a broken pipe, which pipefail counts as a failure.
help=$("$prefix/bin/quorvel-batch" --help) || fail "quorvel-batch --help failed"
grep -q -- "--version" <<<"$help" || fail "quorvel-batch --help does not list --version"
# The window program answers both without a display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/quorvel" --version) || fail "quorvel --version failed"
[ "$answer" = "quorvel $version" ] || fail "quorvel --version says '$answer'"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/quorvel" --help) || fail "quorvel --help failed"
grep -q "\[FILE\]" <<<"$help" || fail "quorvel --help does not name the file argument"
# The installed lessons pass the installed runner's check.
for lesson in "$prefix"/share/quorvel/lessons/*/lesson.md; do
  "$prefix/bin/quorvel-batch" --check-lesson "$lesson" || fail "the installed $lesson does not pass --check-lesson"
done
# The installed runner reads an installed example.
"$prefix/bin/quorvel-batch" "$prefix/share/quorvel/examples/4-mixture-of-two-sizes.txt" --ticks 1 \
  --output "$scratch/after.txt" 2>/dev/null || fail "the installed quorvel-batch cannot run an installed example"

# The Python module, where the build made one, in the Python path of its prefix.
module=$(ls "$build"/python/quorvel*.so 2>/dev/null | head -n 1 || true)
if [ -n "$module" ]; then
  installed=$(ls "$prefix"/lib/python3*/dist-packages/quorvel*.so 2>/dev/null | head -n 1 || true)
  [ -n "$installed" ] || fail "the Python module is not under lib/python3.X/dist-packages"
fi

if [ "$package" = ON ]; then
  (cd "$build" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
  deb=$(ls "$scratch"/package/quorvel_"$version"_*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    fail "no quorvel_${version}_*.deb"
  else
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
    depends=$(dpkg-deb -f "$deb" Depends)
    for library in libqt6core6 libqt6gui6 libqt6widgets6 libavformat libc6 qt6-qpa-plugins; do
      [[ $depends == *"$library"* ]] || fail "package does not depend on $library: $depends"
    done
    dpkg-deb -x "$deb" "$scratch/unpacked"
    for file in "${expected[@]}"; do [ -s "$scratch/unpacked/usr/$file" ] || fail "package lacks /usr/$file"; done
    answer=$("$scratch/unpacked/usr/bin/quorvel-batch" --version) || fail "packaged quorvel-batch --version failed"
    [ "$answer" = "quorvel-batch $version" ] || fail "packaged quorvel-batch --version says '$answer'"
    if [ -n "$module" ]; then
      ls "$scratch"/unpacked/usr/lib/python3/dist-packages/quorvel*.so >/dev/null 2>&1 ||
        fail "package lacks the Python module in /usr/lib/python3/dist-packages"
    fi
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "version $version installed and validated; package checked: $package"
