// SPDX-License-Identifier: GPL-3.0-or-later
// The language the interface speaks: the learner's choice in View > Interface Language (kept in
// varnel.ini), else the system's (LANGUAGE, LC_MESSAGES, LANG), else English. Its translations are
// installed before any window is made, and Arabic and Urdu lay the window out right to left. The
// translation packs of the Language menu are another matter: they choose the aya's translation.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QMenu;
class SettingsFile;
class WindowSettings;

namespace interface_language
{

constexpr char kSettingKey[] = "view/interface-language"; // a code ("ar"); empty: the system's

// The languages the interface is translated into, English first, as codes.
const QStringList& Available();
// A language's own name for itself ("العربية" for "ar").
QString NativeName(const QString& code);
bool RightToLeft(const QString& code);
// The language to speak: the setting when it names an available language, else the first of the
// system's languages that is available, else "en".
QString Choose(const QString& setting, const QStringList& systemLanguages);
// Speaks this language from now on: its translations and Qt's, its number and date formats, and its
// direction. An unknown code, or "en", is English with the system's formats.
void Use(const QString& code);
// The language spoken now, as a code.
QString Current();
// A sura's title as the window shows it: "112. Al-Ikhlas (Sincerity)" in English; in another language
// the name alone, since the meaning in brackets is English.
QString SuraTitle(const std::string& longTitle);
// A name written in Latin letters ("112. Al-Ikhlas"), marked to read left to right in a right-to-left window.
QString ReadLeftToRight(const std::string& name);
// Sura number's name as the interface writes it: "112. الإخلاص" in Arabic and Urdu, which write sura
// names in Arabic script; elsewhere shortTitle ("112. Al-Ikhlas") as ReadLeftToRight gives it.
QString SuraName(int number, const std::string& shortTitle);
// The same for a sura of the table; empty for a number outside it.
QString SuraName(int number);
bool WritesSuraNamesInArabic();
// Chooses from settings and the system, and uses that language; returns its code.
QString Install(const SettingsFile& settings);
// Speaks code from now on ("en", "ar", ...; an empty code is the system's language), in the windows
// open now, each of which writes its words anew, as in those made later.
void Switch(const QString& code);
// Fills menu with "System Default" and each language, the one chosen checked; a choice is kept in
// settings and spoken at once.
void FillMenu(QMenu* menu, WindowSettings& settings);
// The words of menu's entries (filled by FillMenu) in the language now spoken.
void RetranslateMenu(QMenu* menu);

} // namespace interface_language
