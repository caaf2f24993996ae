// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya_text.h"

#include <algorithm>

namespace
{

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string CapItemText(const std::string& item, size_t limit, bool utf8)
{
    std::string text = item;
    if (text.size() <= limit)
        return text;
    size_t cut = limit;
    // Never end inside a UTF-8 character: step back to the start of the one the limit falls in.
    while (utf8 && cut > 0 && IsUtf8Continuation(text[cut]))
        --cut;
    text.resize(cut);
    return text + "&hellip;";
}

QString ComposeAyaText(const AyaTextParts& parts, size_t itemLimit)
{
    // Each item is capped before its first zero byte, which stays: a zero byte ends the whole block.
    auto item = [&](const std::string& bytes) {
        const size_t zero = bytes.find('\0');
        std::string capped = CapItemText(bytes.substr(0, zero), itemLimit, parts.utf8);
        if (zero != std::string::npos)
            capped.push_back('\0');
        return capped;
    };
    std::string text;
    if (parts.showTransliteration)
        text += "<b>Transliteration:</b><br><hr>" + item(parts.transliteration) + "<br><br>";
    if (parts.showTranslation) {
        text += "<b>" + parts.language + " Translation:</b><br><hr>";
        if (!parts.fontMissing.empty())
            text += "<i>" + parts.fontMissing + "</i>";
        else if (parts.translationFont.empty())
            text += item(parts.translation);
        else
            text += std::string("<div dir=\"") + (parts.translationRightToLeft ? "rtl" : "ltr") +
                    "\" style=\"font-family: '" + parts.translationFont + "'\">" + item(parts.translation) +
                    "</div>";
    }
    text.resize(std::min(text.size(), text.find('\0')));
    return parts.utf8 ? QString::fromUtf8(text.data(), qsizetype(text.size()))
                      : QString::fromLatin1(text.data(), qsizetype(text.size()));
}
