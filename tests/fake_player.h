// SPDX-License-Identifier: GPL-3.0-or-later
// A player with no sound behind it: it writes down what a drill asks of it ("play 108.001.ogg",
// "next 108.002.ogg", "range 108.001.ogg", "stop"), and the test says when an item ends (End()), as a
// sound device would. Items have the lengths the test gives them.
#pragma once

#include "aya_player.h"

#include <QStringList>
#include <map>

class FakePlayer : public AyaPlayer
{
  public:
    QStringList asked;                 // what was asked, in order
    std::map<std::string, int> length; // the items' lengths in milliseconds; 0 for the rest

    // The item playing ended: Done() for a whole item (the queued next one begins at once), DoneR() for
    // a part.
    void End()
    {
        if (range_) {
            busy_ = false;
            emit DoneR();
            return;
        }
        busy_ = !next_.empty();
        next_.clear();
        emit Done();
    }
    // The last thing asked, or empty.
    QString Last() const { return asked.isEmpty() ? QString() : asked.last(); }

    void Play(const std::string& name) override { Start("play " + name, false); }
    void SetNext(const std::string& name) override
    {
        next_ = name;
        if (!name.empty())
            asked << QString::fromStdString("next " + name);
    }
    void PlayRange(const std::string& name) override { Start("range " + name, true); }
    void Stop() override
    {
        busy_ = false;
        asked << "stop";
    }
    void CatchUp() override {}
    void SetRepeat(int n) override { repeat_ = n; }
    void SetPauseTime(int seconds) override { pauseSeconds_ = seconds; }
    void Pause(bool on) override { pause_ = on; }
    void SetPauseFactor(double factor) override { pauseFactor_ = factor; }
    void SetSpeed(double speed) override { speed_ = speed; }
    void SetRange(int start, int end) override { asked << QString("part %1-%2").arg(start).arg(end); }
    void SetPos(int ms) override { asked << QString("jump %1").arg(ms); }
    void SetRes(const KelRes&) override {}
    void SetPackFinder(PackFinder) override {}
    void SetOwnSource(OwnSource) override {}
    void SetDevice(int) override {}
    std::vector<std::string> GetDevices() override { return {"none"}; }
    int GetLength(const std::string& name) override
    {
        const auto it = length.find(name);
        return it == length.end() ? 0 : it->second;
    }
    bool Busy() const override { return busy_; }
    bool HasOutput() const override { return false; }
    int Repeat() const override { return repeat_; }
    int PauseSeconds() const override { return pauseSeconds_; }
    bool PauseEnabled() const override { return pause_; }
    double PauseFactor() const override { return pauseFactor_; }
    double Speed() const override { return speed_; }
    bool Pausing() const override { return false; }
    int PauseRemainingMs() const override { return 0; }
    int PassesDone() const override { return 0; }

  private:
    void Start(const std::string& what, bool range)
    {
        asked << QString::fromStdString(what);
        busy_ = true;
        range_ = range;
        emit StateChanged();
    }

    bool busy_ = false;
    bool range_ = false;
    std::string next_;
    int repeat_ = 1;
    int pauseSeconds_ = 0;
    bool pause_ = false;
    double pauseFactor_ = 0;
    double speed_ = 1.0;
};
