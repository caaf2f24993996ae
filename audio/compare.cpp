// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare.h"

#include "naming.h"

#include <QCoreApplication>

CompareDrill::CompareDrill(std::unique_ptr<AyaPlayer> player) : ListDrill("Compare", std::move(player))
{
    Apply(DrillOptions());
}

void CompareDrill::SetAyas(const std::vector<AyaRef>& ayas)
{
    ayas_ = ayas;
    std::vector<AyaRef> keys;
    std::vector<bool> mine;
    for (const AyaRef& aya : ayas) {
        if (!recorded_ || !recorded_(aya))
            continue;
        if (!mineOnly_) {
            keys.push_back(aya);
            mine.push_back(false);
        }
        keys.push_back(aya);
        mine.push_back(true);
    }
    SetKeys(std::move(keys));
    mine_ = std::move(mine);
}

int CompareDrill::GoTo(int at, bool play)
{
    Stop();
    if (at < 0 || size_t(at) >= ayas_.size())
        return 0;
    for (size_t k = 0; k < keys_.size(); ++k) {
        if (keys_[k] != ayas_[size_t(at)])
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
    return Drill::Where(place) + (MineNow() ? QCoreApplication::translate("Compare", " · your recitation")
                                            : QCoreApplication::translate("Compare", " · the reciter"))
                                     .toStdString();
}

bool CompareDrill::MineNow() const
{
    return index_ >= 0 && size_t(index_) < mine_.size() && mine_[size_t(index_)];
}

void CompareDrill::Started(AyaRef aya, int index, int last)
{
    emit AyaShown(aya);
    emit Progress(index, last);
    emit Turn(aya, mine_[size_t(index)]);
}

void CompareDrill::Ended(AyaRef)
{
    emit Finished(); // the last aya compared stays on screen
}

std::string CompareDrill::EntrySound(size_t index) const
{
    const std::string key = keys_[index].Key();
    return mine_[index] ? AyaPlayer::kOwnPrefix + key : SoundName(key);
}
