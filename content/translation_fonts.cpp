// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation_fonts.h"

#include "aya_text.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <map>

namespace
{

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// By language and by ISO 639-1 code.
const std::map<std::string, TranslationFont>& Table()
{
    static const TranslationFont bengali{"Noto Sans Bengali", false, "fonts-noto-core"};
    static const TranslationFont chinese{"WenQuanYi Micro Hei", false, "fonts-wqy-microhei"};
    static const TranslationFont urdu{"Noto Nastaliq Urdu", true, "fonts-noto-core"};
    static const TranslationFont arabic{"Amiri", true, "fonts-hosny-amiri"};
    static const TranslationFont persian{"Noto Naskh Arabic", true, "fonts-noto-core"};
    static const TranslationFont hindi{"Noto Sans Devanagari", false, "fonts-noto-core"};
    static const TranslationFont tamil{"Noto Sans Tamil", false, "fonts-noto-core"};
    static const TranslationFont malayalam{"Noto Sans Malayalam", false, "fonts-noto-core"};
    static const TranslationFont thai{"Noto Sans Thai", false, "fonts-noto-core"};
    static const std::map<std::string, TranslationFont> table = {
        {"bengali", bengali},     {"bangla", bengali},  {"bn", bengali},    {"chinese", chinese},
        {"zh", chinese},          {"urdu", urdu},       {"ur", urdu},       {"arabic", arabic},
        {"ar", arabic},           {"persian", persian}, {"farsi", persian}, {"fa", persian},
        {"hindi", hindi},         {"hi", hindi},        {"tamil", tamil},   {"ta", tamil},
        {"malayalam", malayalam}, {"ml", malayalam},    {"thai", thai},     {"th", thai},
    };
    return table;
}

} // namespace

TranslationFont FontForLanguage(const std::string& language, const std::string& packFile)
{
    // "Chinese.Simplified" and "Chinese Simplified" are Chinese.
    const std::string first = Lower(language.substr(0, language.find_first_of(". _")));
    const auto& table = Table();
    if (const auto it = table.find(first); it != table.end())
        return it->second;
    const std::string base = packFile.substr(packFile.find_last_of('/') + 1);
    const std::string code = Lower(base.substr(0, base.find('.')));
    if (const auto it = table.find(code); it != table.end())
        return it->second;
    return {};
}

void FitTranslationFont(AyaTextParts* parts, const std::string& packFile)
{
    const TranslationFont font = FontForLanguage(parts->language, packFile);
    if (font.family.empty())
        return;
    static std::map<std::string, bool> installed;
    if (!installed.count(font.family))
        installed[font.family] = QFontDatabase::families().contains(QString::fromStdString(font.family));
    if (installed[font.family]) {
        parts->translationFont = font.family;
        parts->translationRightToLeft = font.rightToLeft;
        return;
    }
    parts->fontMissing = QCoreApplication::translate(
                             "TranslationFonts",
                             "The %1 text needs the font %2, which is not installed: install the package %3.")
                             .arg(QString::fromStdString(parts->language),
                                  QString::fromStdString(font.family), QString::fromStdString(font.package))
                             .toStdString();
}
