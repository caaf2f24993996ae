// SPDX-License-Identifier: GPL-3.0-or-later
// The session's side of the learner's own recitations: where the players find them, and the compare
// drill, played aside: the reciter and the learner in turn, and then the lesson back to the learner's drill.
#include "arabic.h"
#include "compare.h"
#include "recitation_session.h"
#include "span_drill.h"
#include "whole.h"

#include <algorithm>

void RecitationSession::SetOwnRecordings(std::function<bool(AyaRef aya)> recorded, AyaPlayer::OwnSource bytes)
{
    recorded_ = std::move(recorded);
    for (AyaPlayer* player : Players())
        player->SetOwnSource(bytes);
    compare_->SetRecorded(recorded_);
}

bool RecitationSession::Comparing() const { return compare_->Player()->Busy(); }

bool RecitationSession::PlayCompare() { return StartCompare(RangeAyas(), false); }

bool RecitationSession::PlayMine() { return StartCompare({Current()}, true); }

bool RecitationSession::PlayReciterPart(AyaRef aya, int startMs, int endMs)
{
    span_->SetSpan(startMs, endMs);
    return PlayAside(span_, {aya});
}

bool RecitationSession::StartCompare(const std::vector<AyaRef>& ayas, bool mineOnly)
{
    compare_->SetMineOnly(mineOnly);
    // From the aya shown when it is recorded, else from the first recorded one.
    const auto shown = std::find(ayas.begin(), ayas.end(), Current());
    const int start = shown != ayas.end() && Recorded(*shown) ? int(shown - ayas.begin()) : -1;
    return PlayAside(compare_, ayas, start);
}
