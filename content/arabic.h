// SPDX-License-Identifier: GPL-3.0-or-later
// Arabic is the cursor over the ayas of the current sura. Steps that would leave the sura are refused:
// the cursor stays, emits End() or Begin() first, and still returns the current aya's key.
#pragma once

#include "sura.h"

#include <QObject>
#include <map>
#include <string>

class Arabic : public QObject
{
    Q_OBJECT
  public:
    Arabic();

  public slots:
    void SetSura(const std::string& sura); // kept as given; the aya goes back to 1
    void SetAya(int aya);                  // stored unchecked
    std::string GetSura() const { return sura_; }
    int GetAyaLen() const;
    std::string GetAya(int aya) const;
    std::string GetCurAya() const { return GetAya(aya_); }
    std::string GetNextAya();
    std::string GetPreviousAya();
    std::string GetFirstAya() const { return GetAya(1); }
    std::string GetLastAya() const { return GetAya(GetAyaLen()); }
    void ResetAya() { aya_ = 1; }
    // The aya count stored under the key exactly as given ("036"; "36" gives 0).
    int SuraCnt(const std::string& key) const;
    std::string GetTitle() const;

  public:
    int CurrentAya() const { return aya_; }

  signals:
    void End();
    void Begin();

  private:
    std::string sura_ = "114";
    int aya_ = 1;
};
