// SPDX-License-Identifier: GPL-3.0-or-later
#include "passage.h"

#include "mushaf_table.h"
#include "naming.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

namespace
{

constexpr int kTotal = 6236;

// The starts of the divisions of a kind, one past the last at the end, and how many a passage spans.
struct Division {
    const int* starts;
    int count;
    int span; // a hizb is four quarters
};

Division DivisionOf(PassageKind kind)
{
    switch (kind) {
    case PassageKind::Page:
        return {mushaf::kPageStarts.data(), 604, 1};
    case PassageKind::Juz:
        return {mushaf::kJuzStarts.data(), 30, 1};
    case PassageKind::Hizb:
        return {mushaf::kQuarterStarts.data(), 60, 4};
    case PassageKind::Quarter:
        break;
    }
    return {mushaf::kQuarterStarts.data(), 240, 1};
}

} // namespace

bool AyaOfNumber(int n, int* sura, int* aya)
{
    if (n < 1 || n > kTotal)
        return false;
    const auto& starts = mushaf::kSuraStarts;
    // The last sura whose first aya is at or before n.
    const auto after = std::upper_bound(starts.begin(), starts.end() - 1, n);
    *sura = int(after - starts.begin());
    *aya = n - starts[size_t(*sura - 1)] + 1;
    return true;
}

int NumberOfAya(int sura, int aya)
{
    if (sura < 1 || sura > 114)
        return 0;
    const int n = mushaf::kSuraStarts[size_t(sura - 1)] + aya - 1;
    return aya >= 1 && n < mushaf::kSuraStarts[size_t(sura)] ? n : 0;
}

int Passage::CountOf(PassageKind kind) { return DivisionOf(kind).count; }

const char* Passage::KindName(PassageKind kind)
{
    switch (kind) {
    case PassageKind::Page:
        return "Page";
    case PassageKind::Juz:
        return "Juz";
    case PassageKind::Hizb:
        return "Hizb";
    case PassageKind::Quarter:
        break;
    }
    return "Quarter";
}

Passage Passage::Make(PassageKind kind, int number)
{
    Passage passage;
    const Division division = DivisionOf(kind);
    if (number < 1 || number > division.count)
        return passage;
    passage.kind_ = kind;
    passage.number_ = number;
    const int from = division.starts[(number - 1) * division.span];
    const int to = division.starts[number * division.span] - 1;
    for (int n = from; n <= to;) {
        int sura = 0, aya = 0;
        AyaOfNumber(n, &sura, &aya);
        const int suraEnd = mushaf::kSuraStarts[size_t(sura)] - 1;
        const int last = std::min(to, suraEnd);
        passage.segments_.push_back({sura, aya, aya + last - n});
        n = last + 1;
    }
    return passage;
}

int Passage::NumberOf(PassageKind kind, int sura, int aya)
{
    const int n = NumberOfAya(sura, aya);
    if (n == 0)
        return 0;
    const Division division = DivisionOf(kind);
    const int* end = division.starts + division.count * division.span + 1;
    const int index = int(std::upper_bound(division.starts, end, n) - division.starts) - 1;
    return index / division.span + 1;
}

std::string Passage::Serialize() const
{
    if (Empty())
        return std::string();
    std::string kind = KindName(kind_);
    kind[0] = char(kind[0] - 'A' + 'a');
    return kind + " " + std::to_string(number_);
}

Passage Passage::Parse(const std::string& text)
{
    std::istringstream in(text);
    std::string word, rest;
    int number = 0;
    if (!(in >> word >> number) || (in >> rest))
        return Passage();
    for (PassageKind kind : kKinds) {
        std::string name = KindName(kind);
        name[0] = char(name[0] - 'A' + 'a');
        if (name == word)
            return Make(kind, number);
    }
    return Passage();
}

std::vector<std::string> Passage::Ayas() const
{
    std::vector<std::string> keys;
    for (const PassageSegment& s : segments_)
        for (int aya = s.first; aya <= s.last; ++aya)
            keys.push_back(AyaKey(PadSura(IntToString(s.sura)), aya));
    return keys;
}

int Passage::AyaCount() const
{
    int count = 0;
    for (const PassageSegment& s : segments_)
        count += s.last - s.first + 1;
    return count;
}

std::vector<int> Passage::Suras() const
{
    std::vector<int> suras;
    for (const PassageSegment& s : segments_)
        suras.push_back(s.sura);
    return suras;
}

std::string Passage::Name() const
{
    // In the language the interface speaks: "Page 602", "Seite 602".
    [[maybe_unused]] static const char* const kKindWords[] = {
        QT_TRANSLATE_NOOP("Passage", "Page"), QT_TRANSLATE_NOOP("Passage", "Juz"),
        QT_TRANSLATE_NOOP("Passage", "Hizb"), QT_TRANSLATE_NOOP("Passage", "Quarter")};
    return QCoreApplication::translate("Passage", "%1 %L2")
        .arg(QCoreApplication::translate("Passage", KindName(kind_)))
        .arg(number_)
        .toStdString();
}

std::string Passage::Title() const
{
    if (Empty())
        return std::string();
    const PassageSegment& a = segments_.front();
    const PassageSegment& b = segments_.back();
    char span[64];
    std::snprintf(span, sizeof span, "%d:%d \u2013 %d:%d", a.sura, a.first, b.sura, b.last);
    return Name() + " \u00b7 " + span;
}
