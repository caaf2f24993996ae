#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shape of the code, checked: the main window's files stay wiring (app/varn*.cpp at most 800 lines
# together), no source file grows past 500 lines, and varnel.ini has one owner (no QSettings anywhere).
set -euo pipefail
cd "${1:?usage: check_structure.sh SOURCE_DIR}"
status=0

window=$(cat app/varn*.cpp | wc -l)
echo "app/varn*.cpp: $window lines"
if [ "$window" -gt 800 ]; then
  echo "FAIL: the window's files hold $window lines, more than 800: move rules into their classes" >&2
  status=1
fi

long=$(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
over=$(for f in $long; do [ -f "$f" ] && n=$(wc -l <"$f") && [ "$n" -gt 500 ] && echo "$f ($n)"; done || true)
if [ -n "$over" ]; then
  echo "FAIL: files over 500 lines:" >&2
  echo "$over" >&2
  status=1
fi

settings=$(grep -rnE 'QSettings[[:space:]]*[({a-z]|QSettings>' --include='*.cpp' --include='*.h' \
  app audio content progress session sound views tools 2>/dev/null || true)
if [ -n "$settings" ]; then
  echo "FAIL: QSettings built outside SettingsFile:" >&2
  echo "$settings" >&2
  status=1
fi
exit $status
