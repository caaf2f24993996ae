// SPDX-License-Identifier: GPL-3.0-or-later
// The window's settings file (varnel.ini, keys in app_settings.h): remembering a value writes the file,
// and a write that fails is told once a run; later changes would fail the same way.
#pragma once

#include "settings_file.h"

class WindowSettings : public SettingsFile
{
  public:
    WindowSettings() : SettingsFile("varnel.ini") {}

    // Loads the file; when a damaged value had to be left out, tells the learner so, once.
    void LoadAndTell();

    void Remember(const char* key, double value);
    void Remember(const char* key, bool value);
    void Remember(const char* key, const QString& value);
    // Remembers every key of values in one write of the file.
    void Remember(const std::map<std::string, QString>& values);

  private:
    void Failed(const std::string& error);
    bool failureTold_ = false;
};
