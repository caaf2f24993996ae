// SPDX-License-Identifier: GPL-3.0-or-later
// The text block of the aya display: the transliteration and the translation under their headings,
// ready for the text panel.
#pragma once

#include <QString>

class QTextDocument;
#include <cstddef>
#include <string>

// The most of one item's bytes that the panel shows; a longer item is cut there and ends in an
// ellipsis, so no pack can keep the window busy laying out megabytes of text.
constexpr size_t kAyaTextItemLimit = 64 * 1024;

struct AyaTextParts {
    std::string transliteration; // the item's bytes
    std::string translation;     // the item's bytes
    std::string language;        // the translation's language, for its heading ("English")
    bool showTransliteration = false;
    bool showTranslation = false;
    bool utf8 = false; // from a language pack: the whole block is UTF-8; otherwise Latin-1
    // The translation's own font and direction (empty: the panel's), or, when that font is missing,
    // words that say so in place of the text (which would show as empty boxes).
    std::string translationFont;
    bool translationRightToLeft = false;
    std::string fontMissing;
};

// An item's bytes as the panel takes them: at most limit bytes, cut at a character boundary (of UTF-8
// when utf8) and then followed by "&hellip;".
std::string CapItemText(const std::string& item, size_t limit, bool utf8);

// The rich text of the panel: the transliteration block first, then the translation block, each
// only when shown; empty when neither is. The block ends at its first zero byte.
QString ComposeAyaText(const AyaTextParts& parts, size_t itemLimit = kAyaTextItemLimit);

// The panel's style for the block: its headings (the only bold) smaller than the text they introduce.
extern const char* const kAyaTextStyle;
// Takes out the line break that ends each heading, where the rule under it ends the line already, and
// the empty line before a heading: a heading then takes the room of its small words alone, and no
// empty line stands between it and its text or before it. For a document built from ComposeAyaText under kAyaTextStyle; the HTML stays as it is.
void CompactHeadings(QTextDocument* document);
