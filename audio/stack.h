// SPDX-License-Identifier: GPL-3.0-or-later
// Stack drills a range by building it up: aya min; min..min+1; min..min+2; ... min..max, each aya
// played by the drill's own player in whole mode (with its repeats and pauses). N ayas give
// N(N+1)/2 entries.
#pragma once

#include "mp3.h"

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class Stack : public QObject
{
    Q_OBJECT
  public:
    Stack();

    MP3* Player() const { return player_.get(); }
    const std::vector<std::string>& Keys() const { return keys_; }
    int Index() const { return index_; }

  public slots:
    void Play();
    void Stop() { player_->Stop(); }
    void NextOne();
    void PrevOne();
    void GenerateStack(const std::string& sura, int min, int max);
    void SetDevice(int driver) { player_->SetDevice(driver); }
    void SetRepeat(int n) { player_->SetRepeat(n); }
    void SetLoop(bool on) { loop_ = on; }
    bool Loop() const { return loop_; }
    void SetMax(int aya);
    void SetMin(int aya);
    void PauseTime(int seconds);
    void SetRes(const KelRes& res) { player_->SetRes(res); }

  signals:
    void StackSuraAya(const std::string& key);
    void StackStat(int index, int last);
    void StackDesc(const std::string& sura, const std::string& aya);
    void StackDone();

  private:
    bool loop_ = false;
    std::unique_ptr<MP3> player_;
    std::string sura_;
    int index_ = 0;
    std::vector<std::string> keys_;
    int min_ = 1;
    int max_ = 1;
};
