// SPDX-License-Identifier: GPL-3.0-or-later
#include "span_drill.h"

#include "naming.h"

#include <QCoreApplication>
#include <QLocale>

SpanDrill::SpanDrill(std::unique_ptr<AyaPlayer> player) : Drill("Span", std::move(player))
{
    Apply(DrillOptions());
    connect(Player(), &AyaPlayer::DoneR, this, [this] {
        Drill::Stop();
        emit Finished();
    });
}

void SpanDrill::SetSpan(int startMs, int endMs)
{
    start_ = std::max(startMs, 0);
    end_ = std::max(endMs, start_);
}

void SpanDrill::SetAyas(const std::vector<AyaRef>& ayas) { key_ = ayas.empty() ? AyaRef() : ayas[0]; }

void SpanDrill::Play()
{
    if (Empty())
        return;
    Player()->SetRange(start_, end_);
    Player()->PlayRange(SoundName(key_.Key()));
    emit AyaShown(key_);
    emit Progress(0, 0);
}

int SpanDrill::GoTo(int at, bool play)
{
    if (at == 0 && play)
        Play();
    return 0;
}

void SpanDrill::Apply(const DrillOptions&) { Drill::Apply(DrillOptions()); }

std::string SpanDrill::Where(const DrillPlace& place) const
{
    const QLocale locale;
    return Drill::Where(place) +
           QCoreApplication::translate("SpanDrill", " · part from %1 to %2 s")
               .arg(locale.toString(start_ / 1000.0, 'f', 2), locale.toString(end_ / 1000.0, 'f', 2))
               .toStdString();
}
