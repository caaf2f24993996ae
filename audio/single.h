// SPDX-License-Identifier: GPL-3.0-or-later
// Single repeats one part of an aya without end: its player plays the range in range mode, and each
// DoneR() starts the same part again. The player's position is relayed as CurSoundPos(ms).
#pragma once

#include "mp3.h"

#include <QObject>
#include <memory>
#include <string>

class Single : public QObject
{
    Q_OBJECT
  public:
    Single();

    MP3* Player() const { return player_.get(); }
    const std::string& Key() const { return key_; }

  public slots:
    void PlayRange(const std::string& key);
    void NextOne() { PlayRange(key_); }
    void Stop() { player_->Stop(); }
    int GetSoundLen(const std::string& name) { return player_->GetLength(name); }
    void GetCurSoundPos(int ms) { emit CurSoundPos(ms); }
    void SetRange(int start, int end) { player_->SetRange(start, end); }
    void Jump(int ms) { player_->SetPos(ms); }
    void PauseTime(int seconds);
    void SetDevice(int driver) { player_->SetDevice(driver); }
    void SetRes(const KelRes& res) { player_->SetRes(res); }

  signals:
    void SingleSuraAya(const std::string& key);
    void CurSoundPos(int ms);

  private:
    std::unique_ptr<MP3> player_;
    std::string key_;
};
