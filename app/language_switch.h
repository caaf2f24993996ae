// SPDX-License-Identifier: GPL-3.0-or-later
// Changing the interface language while Varnel runs. Every window open keeps its controls and writes
// its words anew: each text that is one of the interface's words (a button, a menu entry, a panel's
// title, an accessible name) is looked up as it reads in the language before and written as it reads
// in the new one. What a window composes itself (sura names, the title, the status line) it writes
// again on QEvent::LanguageChange. The direction follows the language.
#pragma once

#include <QString>

namespace interface_language
{

// Speaks code from now on ("en", "ar", ...; an empty code is the system's language), in the windows
// open now as in those made later.
void Switch(const QString& code);

} // namespace interface_language
