// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_words.h"

#include "naming.h"
#include "sura_names.h"

#include <QCoreApplication>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <cmath>

QString Place(const std::string& key)
{
    int sura = 0, aya = 0;
    SplitAyaKey(key, &sura, &aya);
    return QString("%1:%2").arg(sura).arg(aya);
}

std::vector<NamedStretch> NameStretches(const std::vector<listen::Span>& spans, const AyaWords& words)
{
    std::vector<NamedStretch> named;
    for (const listen::Span& s : spans) {
        NamedStretch n;
        n.startMs = int(std::lround(s.start * 1000));
        n.endMs = int(std::lround(s.end * 1000));
        n.words = WordsIn(words, n.startMs, n.endMs);
        if (n.words.empty()) {
            n.name = QCoreApplication::translate("CheckWords", "%1 to %2 s")
                         .arg(QLocale().toString(s.start, 'f', 1), QLocale().toString(s.end, 'f', 1));
        } else {
            const AyaWord &first = words[size_t(n.words.front())], &last = words[size_t(n.words.back())];
            n.startMs = first.startMs;
            n.endMs = last.endMs;
            QStringList texts;
            for (int w : n.words)
                texts << words[size_t(w)].text;
            // An isolate keeps the Arabic words in their own order inside a sentence of any direction.
            const QString arabic = QChar(0x2068) + texts.join(' ') + QChar(0x2069);
            n.name = n.words.size() == 1 ? QCoreApplication::translate("CheckWords", "%1 (word %2)")
                                               .arg(arabic, QLocale().toString(n.words.front() + 1))
                                         : QCoreApplication::translate("CheckWords", "%1 (words %2 to %3)")
                                               .arg(arabic, QLocale().toString(n.words.front() + 1),
                                                    QLocale().toString(n.words.back() + 1));
        }
        named.push_back(n);
    }
    return named;
}

namespace
{

QString Names(const std::vector<NamedStretch>& stretches)
{
    QStringList parts;
    for (const NamedStretch& s : stretches)
        parts << s.name;
    return parts.join(", ");
}

bool AllNamedByWords(const std::vector<NamedStretch>& stretches)
{
    for (const NamedStretch& s : stretches)
        if (s.words.empty())
            return false;
    return true;
}

} // namespace

QString VerdictWords(const std::string& key, const listen::CheckResult& result, const AyaWords& words)
{
    QString text;
    switch (result.verdict) {
    case listen::Verdict::Match:
        text = QCoreApplication::translate("CheckWords",
                                           "%1, match: you said the whole aya, in order (score %2 of 100).");
        break;
    case listen::Verdict::Partial:
        text = QCoreApplication::translate(
            "CheckWords", "%1, partial: a part is missing, added or said differently (score %2 of 100).");
        break;
    case listen::Verdict::Different:
        text = QCoreApplication::translate(
            "CheckWords", "%1, different: this sounds like another aya, or no recitation (score %2 of 100).");
        break;
    }
    text = text.arg(Place(key)).arg(result.score);
    if (!result.soundsLike.empty()) {
        const QString like = QString::fromStdString(result.soundsLike);
        text += " " + QCoreApplication::translate("CheckWords", "This sounds like %1 (%2), not %3.")
                          .arg(like, QString::fromUtf8(ArabicSuraName(like.section(':', 0, 0).toInt())),
                               Place(key));
    }
    const std::vector<NamedStretch> missing = NameStretches(result.missing, words);
    const std::vector<NamedStretch> changed = NameStretches(result.changed, words);
    if (!missing.empty())
        text +=
            " " + (AllNamedByWords(missing)
                       ? QCoreApplication::translate("CheckWords", "Left out: %1.")
                       : QCoreApplication::translate("CheckWords", "Left out, in the reciter's time: %1."))
                      .arg(Names(missing));
    if (!changed.empty())
        text += " " + (AllNamedByWords(changed)
                           ? QCoreApplication::translate("CheckWords", "Said differently: %1.")
                           : QCoreApplication::translate("CheckWords",
                                                         "Said differently, in the reciter's time: %1."))
                          .arg(Names(changed));
    if (!result.extra.empty())
        text += " " + QCoreApplication::translate("CheckWords", "Added, in your recording's time: %1.")
                          .arg(Names(NameStretches(result.extra, AyaWords())));
    return text;
}
