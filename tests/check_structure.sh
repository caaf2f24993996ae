#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shape of the code, checked: the main window's files stay wiring (app/window/varn*.cpp at most 800
# lines together) and its public slots are the system's own; app/ is rooms (desktop, dialogs, panels,
# window) that include only downwards; no struct of widgets is shared; no source file grows past 500 lines, varnel.ini has one owner (no QSettings anywhere), the
# window reaches sound through the session only, the session does not ask which drill it holds, the
# learner's record has no widgets, and every OpenAL call is checked.
set -euo pipefail
cd "${1:?usage: check_structure.sh SOURCE_DIR}"
status=0

window=$(cat app/window/varn*.cpp | wc -l)
echo "app/window/varn*.cpp: $window lines"
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
# Each rule: a pattern that must not match, where, and what to do instead.
forbid() {
  local pattern=$1 what=$2
  shift 2
  local found
  found=$(grep -rnE "$pattern" --include='*.cpp' --include='*.h' "$@" 2>/dev/null || true)
  if [ -n "$found" ]; then
    echo "FAIL: $what:" >&2
    echo "$found" >&2
    status=1
  fi
}
forbid '#include "(mp3|aya_player|whole|stack|single|compare|span_drill)\.h"|\bMP3 *[*&]|MP3::|ActivePlayer' \
  'the window reaches a player or a drill: go through the session' app
forbid '(==|!=) *(whole|stack|single|review|compare|span)_\b|\b(whole|stack|single|review|compare|span)_ *(==|!=)' \
  'the session tests which drill it holds: ask the drill, or play it aside' session
forbid '#include <Q(Widget|TreeWidget|Dialog|Label|Menu|Pixmap|Painter)>' 'widgets in the learner record' progress
forbid '#include "(test_sound|tools/)' 'the window includes a tool' app
forbid '#include "(recitation_session|recorder|mp3|aya_player|drill|whole|stack|single|compare|span_drill)\.h"' \
  'the learner record reaches up into the session or the drills: move what it needs below it' progress
forbid '#include "(capture|decoder|streaming|stretch)\.h"|\bsound::[A-Z][A-Za-z]*\(' \
  'the window reaches devices or decoding itself: go through the session or a library below it' app
forbid '\bespeak_[A-Za-z]+\(' \
  'espeak-ng called where it was linked: speak through listen/speech.h' app audio content import progress session sound views tools
forbid 'QFile::remove|QDir[^;]*\.remove|removeRecursively|removeStaleLockFile|std::filesystem::remove|\bunlink\(|std::remove\(' \
  'the window deletes a file: ask the registry or the record' app
forbid '\baubio_[a-z_]+\(|\bnew_(fvec|cvec|aubio_[a-z]+)\(' \
  'aubio called where it was linked: load it through listen/aubio_library.h' app audio content import listen progress session sound views
forbid 'VarnWidgets|Widgets& W\(\)' 'a struct of the window'"'"'s widgets shared: let each part own and build its own' app tests tools bench
forbid 'QObject::tr\(|"QObject", "' 'words in the catch-all QObject context: tr() in the class that shows them' app views session progress audio content
forbid 'i18n-sources|QXmlStreamReader' 'words looked up at run time: each part writes its own in Retranslate()' app

# app/ is rooms, each a library, that include downwards only: desktop < dialogs, panels < window.
loose=$(find app -maxdepth 1 -name '*.cpp' ! -name main.cpp -o -maxdepth 1 -name '*.h' | sort)
if [ -n "$loose" ]; then
  echo "FAIL: sources in app/ outside its rooms:" >&2
  echo "$loose" >&2
  status=1
fi
room_of() { for r in desktop dialogs panels window; do [ -f "app/$r/$1" ] && echo "$r" && return; done; return 0; }
allowed() { # may room $1 include from room $2?
  case "$1:$2" in
    desktop:desktop | dialogs:dialogs | dialogs:desktop | panels:panels | panels:desktop) return 0 ;;
    window:*) return 0 ;;
  esac
  return 1
}
for room in desktop dialogs panels window; do
  [ -f "app/$room/CMakeLists.txt" ] || { echo "FAIL: app/$room is not a library" >&2; status=1; }
  for f in app/$room/*.cpp app/$room/*.h; do
    for h in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$f"); do
      to=$(room_of "$h")
      if [ -n "$to" ] && ! allowed "$room" "$to"; then
        echo "FAIL: $f includes $h from app/$to, above it" >&2
        status=1
      fi
    done
  done
done

# The main window's public slots are the system's own names; the rest are private or the parts'.
named=' OnExit Exit LoadProfilePopup ShowRecitor About Help ChangeLang SetSura Msg GetSuras GetAllDats
  LoadReciteINI LoadRecitor UpdateRecitor ActivateSura SetArabic ToggleEnglish SetTitle SeePic ToggleArabic Play
  PlayAya NextAya PrevAya StopAya SetRepeat SetPause SetMinMax SetRange SetMin SetMax SetLoop SetStack
  SetSingleAya StackStat StackDesc StackDone SlideChange EndOfSura BeginOfSura SetCurAyaPos AyaJump
  SetStartAyaPos SetEndAyaPos StartAyaChange EndAyaChange PlayRSingleAya StopSingleAya PrevSingleAya
  NextSingleAya SingleSetMaxLen ShowConfig UpdatePrefs SaveProfile LoadProfile NewProfile HeartProgress ShowAya '
slots=$(awk '/^  public slots:/ { on = 1; next } /^  [a-z]+( [a-z]+)?:$/ { on = 0 } on' app/window/varn.h |
  sed -n 's/^    [^/(]*[ *&]\([A-Z][A-Za-z]*\)(.*/\1/p')
for slot in $slots; do
  case "$named" in *" $slot "* | *" $slot"$'\n'*) ;; *)
    echo "FAIL: Varn's public slot $slot is none of the system's own: make it private or the part's" >&2
    status=1 ;;
  esac
done
empty=$(awk '/^  public slots:/ { on = 1; next } /^  [a-z]+( [a-z]+)?:$/ { on = 0 } on && /\) *\{ *\}/' app/window/varn.h)
if [ -n "$empty" ]; then
  echo "FAIL: Varn's slots with empty bodies:" >&2
  echo "$empty" >&2
  status=1
fi

# An OpenAL call is checked when AL_CHECK( or ALC_CHECK( opens on its line or ends the line before.
unchecked=$(for f in sound/*.cpp sound/*.h; do
  case "$f" in */al_check.*) continue ;; esac
  awk -v f="$f" '/(^|[^A-Za-z0-9_])alc?[A-Z][A-Za-z0-9]*\(/ && !/AL_CHECK\(|ALC_CHECK\(|alc?GetError\(|^[[:space:]]*\/\// && prev !~ /CHECK\($/ { print f ":" FNR ": " $0 } { prev = $0 }' "$f"
done)
if [ -n "$unchecked" ]; then
  echo "FAIL: OpenAL calls outside AL_CHECK/ALC_CHECK:" >&2
  echo "$unchecked" >&2
  status=1
fi
exit $status
