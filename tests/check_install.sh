#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and checks what a desktop expects of it: the programs, img.vnl,
# the icons, a valid desktop entry, valid AppStream metainfo and the man pages.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
for f in usr/bin/varnel usr/bin/varnel-pack usr/bin/varnel-demo usr/share/varnel/img.vnl \
         usr/share/applications/org.lumora.Varnel.desktop usr/share/metainfo/org.lumora.Varnel.metainfo.xml \
         usr/share/man/man1/varnel-pack.1 usr/share/man/man1/varnel-demo.1 usr/share/doc/varnel/LICENSE; do
  [ -e "$root/$f" ] || { echo "missing from the installation: $f"; exit 1; }
done
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/varnel.png" ] || { echo "no ${size}px icon"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/org.lumora.Varnel.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.lumora.Varnel.metainfo.xml"
man -l "$root/usr/share/man/man1/varnel-pack.1" >/dev/null
echo "installation complete and valid"
