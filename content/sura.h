// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in table of the 114 suras: aya counts, short titles and long titles, keyed by the
// three-digit sura key ("001" to "114").
#pragma once

#include <QObject>
#include <map>
#include <string>

class Sura : public QObject
{
    Q_OBJECT
  public:
    Sura();

    // Aya count of a sura given in any decimal form ("7", "07", "007"); 0 for a number outside 1..114.
    int AyaCount(const std::string& sura) const;

    const std::map<std::string, int>& AyaCounts() const { return counts_; }
    const std::map<std::string, std::string>& LongTitles() const { return longTitles_; }
    const std::map<std::string, std::string>& ShortTitles() const { return shortTitles_; }

  private:
    std::map<std::string, int> counts_;
    std::map<std::string, std::string> longTitles_;
    std::map<std::string, std::string> shortTitles_;
};

// The one table every part of the program reads, made on first use.
const Sura& SuraTable();

// The sum of all aya counts.
constexpr int TotalAyaCount = 6236;
