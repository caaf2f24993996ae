// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_settings.h"

#include "messages.h"

#include <QCoreApplication>
#include <QObject>

void WindowSettings::LoadAndTell()
{
    Load();
    if (!Cut())
        return;
    const auto html = [](const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); };
    ShowMessage(
        "Varnel",
        QCoreApplication::translate(
            "WindowSettings", "%1 held more than settings can be (a damaged value): what could not be read "
                              "is left out, and every other setting is kept.")
                .arg(html(Path())) +
            (Backup().empty() ? QString()
                              : "<br><br>" + QCoreApplication::translate("WindowSettings",
                                                                         "The file as it was is kept as %1.")
                                                 .arg(html(Backup()))));
}

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

void WindowSettings::Remember(const std::map<std::string, QString>& values)
{
    std::string error;
    if (!Set(values, &error))
        Failed(error);
}

void WindowSettings::Failed(const std::string& error)
{
    if (failureTold_)
        return;
    failureTold_ = true;
    ShowMessage(
        "Varnel",
        QCoreApplication::translate("WindowSettings", "Your settings could not be saved in %1:")
                .arg(QString::fromStdString(Path()).toHtmlEscaped()) +
            "<br>" + QString::fromStdString(error).toHtmlEscaped() + "<br><br>" +
            QCoreApplication::translate("WindowSettings", "They stay as they are until Varnel closes."));
}
