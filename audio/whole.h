// SPDX-License-Identifier: GPL-3.0-or-later
// Whole recites the ayas of a range of a sura one after another with its own player in whole mode, so
// each aya is repeated and paused as the player's settings say; the player's Done() moves it on. After
// the last aya it starts again (loop) or stops and reports WholeDone().
#pragma once

#include "mp3.h"

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class Whole : public QObject
{
    Q_OBJECT
  public:
    Whole();

    MP3* Player() const { return player_.get(); }
    const std::vector<std::string>& Keys() const { return keys_; }
    int Index() const { return index_; }

    void Play();
    void Stop() { player_->Stop(); }
    // Rebuilds the keys for ayas from..to of sura (empty when from > to); index 0; plays nothing.
    void GenerateWhole(const std::string& sura, int from, int to);
    void SetMin(int aya);
    void SetMax(int aya);
    // Plays the aya at position aya - 1 of the keys.
    void GoTo(int aya);
    // Stops and makes position aya - 1 current without playing it: the next Play() starts there.
    void Cue(int aya);
    // After the last aya: the first again (on) or the end (off).
    void SetLoop(bool on) { loop_ = on; }
    bool Loop() const { return loop_; }

  public slots:
    void NextOne();
    void PrevOne();
    void PauseTime(int seconds);
    void SetRes(const KelRes& res) { player_->SetRes(res); }

  signals:
    void WholeSuraAya(const std::string& key);
    void WholeStat(int index, int last);
    void WholeDesc(const std::string& sura, const std::string& aya);
    void WholeDone();

  private:
    bool loop_ = false;
    std::unique_ptr<MP3> player_;
    std::vector<std::string> keys_;
    std::string sura_;
    int from_ = 1;
    int to_ = 1;
    int index_ = 0;
};

// The sura and aya numbers of a key in plain decimal: "002.007" gives "2" and "7".
void DescribeKey(const std::string& key, std::string* sura, std::string* aya);
