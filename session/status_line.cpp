// SPDX-License-Identifier: GPL-3.0-or-later
// The status line's words: where the learner is, what plays, and the pause's countdown.
#include "arabic.h"
#include "naming.h"
#include "recitation_session.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <climits>

std::string PauseWords(int ms)
{
    // Rounded to the nearest second, not up: a pause of 2.1 s reads "2 s"; the last second in tenths.
    // The number is written as the interface's language writes numbers, with its own unit.
    const QLocale locale;
    const QString number = ms < 950 ? locale.toString(std::max(ms, 0) / 1000.0, 'f', 1)
                                    : locale.toString(int((ms + 500) / 1000));
    return QCoreApplication::translate("StatusLine", "%1 s").arg(number).toStdString();
}

std::string RecitationSession::StatusLine() const
{
    const AyaPlayer* player = active_->Player();
    if (AyaCount() == 0)
        return QCoreApplication::translate("StatusLine", "No sura pack installed").toStdString();
    DrillPlace place;
    place.sura = LeadingNumber(SuraKey());
    place.aya = cursor_->CurrentAya();
    place.ayaCount = AyaCount();
    place.pass = pass_;
    if (!passage_.Empty()) {
        place.passage = passage_.Name();
        place.position = PositionOf(Current());
        place.length = int(passageAyas_.size());
    }
    std::string line = active_->Where(place);
    if (Recorded(Current()) && active_->TellsRecorded())
        line += QCoreApplication::translate("StatusLine", " · recorded").toStdString();
    if (!player->Busy())
        return line;
    if (pausing_)
        return line + QCoreApplication::translate("StatusLine", " · pause %1")
                          .arg(QString::fromStdString(PauseWords(player->PauseRemainingMs())))
                          .toStdString();
    if (active_->CountsRepetitions()) {
        const int repeat = player->Repeat();
        const int now = std::min(player->PassesDone() + 1, repeat > 0 ? repeat : INT32_MAX);
        line +=
            (repeat > 0
                 ? QCoreApplication::translate("StatusLine", " · repetition %1 of %2").arg(now).arg(repeat)
                 : QCoreApplication::translate("StatusLine", " · repetition %1").arg(now))
                .toStdString();
    }
    return line;
}
