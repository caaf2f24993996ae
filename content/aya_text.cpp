// SPDX-License-Identifier: GPL-3.0-or-later
#include "aya_text.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace
{

// How far a translation's first letters may reach past their edge, in pixels of the panel.
constexpr int kScriptOverhangPx = 12;
// The line a heading's rule stands on, and the room above and below it.
constexpr double kRuleLinePoints = 2;
constexpr double kRuleMarginPx = 2;

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
    // The pack's bytes are UTF-8 or Latin-1; the headings are in the interface's own language.
    auto decode = [&](const std::string& bytes) {
        return parts.utf8 ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                          : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    };
    // Each item is capped before its first zero byte, and a zero byte ends the whole block there.
    bool ended = false;
    auto item = [&](const std::string& bytes) {
        const size_t zero = bytes.find('\0');
        ended = zero != std::string::npos;
        return decode(CapItemText(bytes.substr(0, zero), itemLimit, parts.utf8));
    };
    // A heading reads in the interface's direction: in a right-to-left one it opens with a right-to-left
    // mark (its first words may be a pack's Latin language name, "Urdu"), and that name is set apart,
    // so that the colon and the words keep their places.
    const bool rightToLeft = QGuiApplication::isRightToLeft();
    const QString opening = rightToLeft ? QString(QChar(0x200F)) : QString();
    auto isolated = [&](const QString& name) {
        return rightToLeft ? QChar(0x2068) + name + QChar(0x2069) : name;
    };
    QString text;
    if (parts.showTransliteration) {
        text += "<b>" + opening + QCoreApplication::translate("AyaText", "Transliteration:") +
                "</b><br><hr>" + item(parts.transliteration);
        if (ended)
            return text;
        text += "<br><br>";
    }
    if (parts.showTranslation) {
        text +=
            "<b>" + opening +
            QCoreApplication::translate("AyaText", "%1 Translation:").arg(isolated(decode(parts.language))) +
            "</b><br><hr>";
        if (!parts.fontMissing.empty())
            text += "<i>" + QString::fromStdString(parts.fontMissing) + "</i>";
        else if (parts.translationFont.empty())
            text += item(parts.translation);
        else
            // Room at the line's start: the strokes of a script such as Nastaliq reach past the first
            // letter's edge, and would be cut at the panel's border.
            text += QString("<div dir=\"%1\" style=\"font-family: '%2'; margin-%3: %4px\">")
                        .arg(parts.translationRightToLeft ? "rtl" : "ltr",
                             QString::fromStdString(parts.translationFont),
                             parts.translationRightToLeft ? "right" : "left")
                        .arg(kScriptOverhangPx) +
                    item(parts.translation) + (ended ? "" : "</div>");
    }
    return text;
}

const char* const kAyaTextStyle = "b { font-size: small; }";

void CompactHeadings(QTextDocument* document)
{
    // The breaks to take out, found first: editing while walking the fragments would move them. Taken
    // from the last, so that the positions found before stay true.
    std::vector<int> breaks;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        bool afterHeading = false;
        int emptyLineAt = -1; // a line break that follows another: an empty line
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString text = fragment.text();
            if (fragment.charFormat().fontWeight() >= QFont::Bold) {
                // The empty line before a heading: the heading's own line is room enough.
                if (emptyLineAt >= 0)
                    breaks.push_back(emptyLineAt);
                afterHeading = true;
                emptyLineAt = -1;
                continue;
            }
            if (afterHeading && text.startsWith(QChar::LineSeparator))
                breaks.push_back(fragment.position());
            afterHeading = false;
            emptyLineAt = text.endsWith(QString(2, QChar::LineSeparator))
                              ? fragment.position() + int(text.size()) - 1
                              : -1;
        }
    }
    // The rules under the headings: a line of their own, as thin as the rule.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            continue;
        QTextCursor cursor(block);
        QTextCharFormat thin;
        thin.setFontPointSize(kRuleLinePoints);
        cursor.mergeBlockCharFormat(thin);
        QTextBlockFormat margins;
        margins.setTopMargin(kRuleMarginPx);
        margins.setBottomMargin(kRuleMarginPx);
        cursor.mergeBlockFormat(margins);
    }
    std::sort(breaks.begin(), breaks.end());
    for (auto at = breaks.rbegin(); at != breaks.rend(); ++at) {
        QTextCursor cursor(document);
        cursor.setPosition(*at);
        cursor.setPosition(*at + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}
