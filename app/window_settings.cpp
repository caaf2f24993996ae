// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_settings.h"

#include "messages.h"

#include <QObject>

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
    ShowMessage("Varnel", QObject::tr("Your settings could not be saved in %1:")
                                  .arg(QString::fromStdString(Path()).toHtmlEscaped()) +
                              "<br>" + QString::fromStdString(error).toHtmlEscaped() + "<br><br>" +
                              QObject::tr("They stay as they are until Varnel closes."));
}
