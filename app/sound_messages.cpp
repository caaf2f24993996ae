// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_messages.h"

#include "messages.h"
#include "mp3.h"
#include "recitation_session.h"

#include <QCoreApplication>

void SoundMessages::Watch(MP3* player)
{
    connect(player, &MP3::Failed, this,
            [this, player](const QString& title, const QString& text) { Show(player, title, text); });
    connect(player, &MP3::NoOutput, this,
            [this, player] { Show(player, "Varnel", QCoreApplication::translate("Sound", kNoOutputText)); });
    connect(player, &MP3::OutputLost, this, [this, player] {
        Show(player, QCoreApplication::translate("Sound", MP3::kSoundErrorTitle),
             QCoreApplication::translate("Sound", kDeviceLostText));
    });
}

void SoundMessages::Watch(RecitationSession* session)
{
    for (MP3* player : session->Players())
        Watch(player);
    connect(session, &RecitationSession::PlayerAdded, this, qOverload<MP3*>(&SoundMessages::Watch));
}

void SoundMessages::Show(const MP3* player, const QString& title, const QString& text)
{
    if (open_.count(player))
        return;
    if (text == lastText_ && sinceLastBox_.isValid() && sinceLastBox_.elapsed() < kRepeatQuietMs)
        return;
    open_.insert(player);
    ShowMessage(title, text);
    open_.erase(player);
    lastText_ = text;
    sinceLastBox_.start();
}
