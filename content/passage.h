// SPDX-License-Identifier: GPL-3.0-or-later
// A passage: the lesson a school assigns by the Madinah mushaf (Hafs), a page (1-604), a juz (1-30), a
// hizb (1-60) or a quarter of a hizb (1-240). It may cross suras: page 602 is 106:1-4, 107:1-7 and
// 108:1-3. A passage is its segments, (sura, first, last) in mushaf order.
#pragma once

#include <string>
#include <vector>

enum class PassageKind { Page, Juz, Hizb, Quarter };

struct PassageSegment {
    int sura = 0;
    int first = 0;
    int last = 0;
    bool operator==(const PassageSegment& o) const
    {
        return sura == o.sura && first == o.first && last == o.last;
    }
};

class Passage
{
  public:
    static constexpr PassageKind kKinds[] = {PassageKind::Page, PassageKind::Juz, PassageKind::Hizb,
                                             PassageKind::Quarter};

    // How many passages of the kind the mushaf has: 604 pages, 30 juz, 60 hizb, 240 quarters.
    static int CountOf(PassageKind kind);
    // The kind's word: "Page", "Juz", "Hizb", "Quarter".
    static const char* KindName(PassageKind kind);
    // Passage number of kind; an empty passage for a number out of range.
    static Passage Make(PassageKind kind, int number);
    // The number of the passage of kind that holds aya of sura; 0 for no such aya.
    static int NumberOf(PassageKind kind, int sura, int aya);
    // "page 602" and back (how the learner's record keeps it); an empty passage for other text.
    std::string Serialize() const;
    static Passage Parse(const std::string& text);

    Passage() = default;
    bool Empty() const { return segments_.empty(); }
    PassageKind Kind() const { return kind_; }
    int Number() const { return number_; }
    const std::vector<PassageSegment>& Segments() const { return segments_; }
    // The passage's aya keys ("106.001") in mushaf order.
    std::vector<std::string> Ayas() const;
    int AyaCount() const;
    std::vector<int> Suras() const;
    // "Page 602"; and "Page 602 · 106:1 – 108:3".
    std::string Name() const;
    std::string Title() const;
    bool operator==(const Passage& o) const { return kind_ == o.kind_ && number_ == o.number_; }

  private:
    PassageKind kind_ = PassageKind::Page;
    int number_ = 0;
    std::vector<PassageSegment> segments_;
};

// The aya numbered n in the whole Quran (1 is 1:1, 6236 is 114:6) as sura and aya; false out of range.
bool AyaOfNumber(int n, int* sura, int* aya);
// The number in the whole Quran of aya of sura; 0 for no such aya.
int NumberOfAya(int sura, int aya);
