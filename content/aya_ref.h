// SPDX-License-Identifier: GPL-3.0-or-later
// One aya as the program passes it: its sura and its number in the sura. The string form ("108.002")
// is the packs' and the learner's files'; it is made and read at those edges only (Key(), FromKey()).
#pragma once

#include <QMetaType>
#include <string>
#include <vector>

struct AyaRef {
    int sura = 0;
    int aya = 0;

    // "108.002"; empty for an aya that is not one.
    std::string Key() const;
    // The aya a key names ("108.002", "108.2"); not Valid() for anything else.
    static AyaRef FromKey(const std::string& key);
    // The ayas of keys, in order (a file's or a table's list, read at its edge).
    static std::vector<AyaRef> FromKeys(const std::vector<std::string>& keys);
    bool Valid() const { return sura >= 1 && sura <= 114 && aya >= 1; }

    bool operator==(const AyaRef& o) const { return sura == o.sura && aya == o.aya; }
    bool operator!=(const AyaRef& o) const { return !(*this == o); }
    bool operator<(const AyaRef& o) const { return sura != o.sura ? sura < o.sura : aya < o.aya; }
};

Q_DECLARE_METATYPE(AyaRef)
