// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_settings.h"

#include "messages.h"

void WindowSettings::Remember(const char* key, double value)
{
    std::string error;
    if (!Set(key, value, &error))
        Failed(error);
}

void WindowSettings::Remember(const char* key, bool value)
{
    std::string error;
    if (!Set(key, value, &error))
        Failed(error);
}

void WindowSettings::Remember(const char* key, const QString& value)
{
    std::string error;
    if (!Set(key, value, &error))
        Failed(error);
}

void WindowSettings::Failed(const std::string& error)
{
    if (failureTold_)
        return;
    failureTold_ = true;
    ShowMessage("Varnel", "Your settings could not be saved in " +
                              QString::fromStdString(Path()).toHtmlEscaped() + ":<br>" +
                              QString::fromStdString(error).toHtmlEscaped() +
                              "<br><br>They stay as they are until Varnel closes.");
}
