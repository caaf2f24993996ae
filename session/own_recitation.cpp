// SPDX-License-Identifier: GPL-3.0-or-later
// The session's side of the learner's own recitations: where the players find them, and the compare
// drill, which plays them beside the reciter and then gives the lesson back to the drill before it.
#include "arabic.h"
#include "compare.h"
#include "recitation_session.h"
#include "whole.h"

#include <algorithm>

void RecitationSession::SetOwnRecordings(std::function<bool(const std::string& key)> recorded,
                                         MP3::OwnSource bytes)
{
    recorded_ = std::move(recorded);
    for (MP3* player : Players())
        player->SetOwnSource(bytes);
    compare_->SetRecorded(recorded_);
}

bool RecitationSession::Comparing() const { return active_ == compare_; }

bool RecitationSession::PlayCompare() { return StartCompare(RangeAyas(), false); }

bool RecitationSession::PlayMine() { return StartCompare({CurrentAya()}, true); }

bool RecitationSession::StartCompare(const std::vector<std::string>& ayas, bool mineOnly)
{
    compare_->SetMineOnly(mineOnly);
    compare_->SetAyas(ayas);
    if (compare_->Empty())
        return false;
    if (active_ != compare_)
        beforeCompare_ = active_;
    Activate(compare_);
    // From the aya shown when it is recorded, else from the first recorded one.
    const auto shown = std::find(ayas.begin(), ayas.end(), CurrentAya());
    if (shown != ayas.end() && Recorded(*shown))
        compare_->GoTo(int(shown - ayas.begin()), true);
    else
        compare_->Play();
    return true;
}

void RecitationSession::EndCompare()
{
    active_ = beforeCompare_ && beforeCompare_ != compare_ ? beforeCompare_ : static_cast<Drill*>(whole_);
    BuildDrill();
    active_->Follow(CursorIndex());
}
