// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare.h"

#include "naming.h"

#include <QCoreApplication>

namespace
{
// The learner's entry of an aya is the aya's key after the player's own prefix.
bool Mine(const std::string& entry)
{
    const std::string own = AyaPlayer::kOwnPrefix;
    return entry.compare(0, own.size(), own) == 0;
}
} // namespace

CompareDrill::CompareDrill(std::unique_ptr<AyaPlayer> player) : ListDrill("Compare", std::move(player))
{
    Apply(DrillOptions());
}

std::string CompareDrill::AyaOf(const std::string& entry)
{
    return Mine(entry) ? entry.substr(std::string(AyaPlayer::kOwnPrefix).size()) : entry;
}

void CompareDrill::SetAyas(const std::vector<std::string>& ayas)
{
    ayas_ = ayas;
    std::vector<std::string> keys;
    for (const std::string& aya : ayas) {
        if (!recorded_ || !recorded_(aya))
            continue;
        if (!mineOnly_)
            keys.push_back(aya);
        keys.push_back(AyaPlayer::kOwnPrefix + aya);
    }
    SetKeys(std::move(keys));
}

int CompareDrill::GoTo(int at, bool play)
{
    Stop();
    if (at < 0 || size_t(at) >= ayas_.size())
        return 0;
    for (size_t k = 0; k < keys_.size(); ++k) {
        if (AyaOf(keys_[k]) != ayas_[size_t(at)])
            continue;
        index_ = int(k);
        if (play)
            Play();
        else
            emit AyaShown(ayas_[size_t(at)]);
        break;
    }
    return 0;
}

void CompareDrill::Apply(const DrillOptions& options)
{
    DrillOptions once;
    once.times = options.times;
    Drill::Apply(once);
}

std::string CompareDrill::Where(const DrillPlace& place) const
{
    return Drill::Where(place) + (MineNow() ? QCoreApplication::translate("QObject", " · your recitation")
                                            : QCoreApplication::translate("QObject", " · the reciter"))
                                     .toStdString();
}

bool CompareDrill::MineNow() const
{
    return index_ >= 0 && size_t(index_) < keys_.size() && Mine(keys_[size_t(index_)]);
}

void CompareDrill::Started(const std::string& key, int index, int last)
{
    emit AyaShown(AyaOf(key));
    emit Progress(index, last);
    emit Turn(AyaOf(key), Mine(key));
}

void CompareDrill::Ended(const std::string&)
{
    emit Finished(); // the last aya compared stays on screen
}

std::string CompareDrill::EntrySound(const std::string& entry) const
{
    return Mine(entry) ? entry : SoundName(entry);
}
