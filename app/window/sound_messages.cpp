// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_messages.h"

#include "messages.h"
#include "recitation_session.h"

#include <QCoreApplication>

void SoundMessages::Watch(RecitationSession* session)
{
    connect(session, &RecitationSession::SoundFailed, this, &SoundMessages::Show);
    connect(session, &RecitationSession::NoOutput, this, &SoundMessages::ShowNoOutput);
    connect(session, &RecitationSession::OutputLost, this, &SoundMessages::ShowOutputLost);
}

void SoundMessages::ShowNoOutput() { Show("Varnel", QCoreApplication::translate("Sound", kNoOutputText)); }

void SoundMessages::ShowOutputLost()
{
    Show(QCoreApplication::translate("Sound", RecitationSession::kSoundErrorTitle),
         QCoreApplication::translate("Sound", kDeviceLostText));
}

void SoundMessages::Show(const QString& title, const QString& text)
{
    if (open_)
        return;
    if (text == lastText_ && sinceLastBox_.isValid() && sinceLastBox_.elapsed() < kRepeatQuietMs)
        return;
    open_ = true;
    ShowMessage(title, text);
    open_ = false;
    lastText_ = text;
    sinceLastBox_.start();
}
