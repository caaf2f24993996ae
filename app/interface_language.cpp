// SPDX-License-Identifier: GPL-3.0-or-later
#include "interface_language.h"

#include "messages.h"
#include "settings_file.h"
#include "window_settings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

namespace interface_language
{

const QStringList& Available()
{
    static const QStringList codes = {"en", "ar", "ur", "id", "tr", "bn", "fr"};
    return codes;
}

QString NativeName(const QString& code)
{
    if (code == "en")
        return "English";
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

bool RightToLeft(const QString& code) { return code == "ar" || code == "ur"; }

QString Choose(const QString& setting, const QStringList& systemLanguages)
{
    if (Available().contains(setting))
        return setting;
    for (const QString& language : systemLanguages) {
        const QString code = language.section('-', 0, 0).section('_', 0, 0).toLower();
        if (Available().contains(code))
            return code;
    }
    return "en";
}

QString Install(QApplication& app, const SettingsFile& settings)
{
    const QString code = Choose(settings.Text(kSettingKey), QLocale::system().uiLanguages());
    if (code != "en") {
        // Numbers and dates in the language spoken; in English, the system's own format stays.
        QLocale::setDefault(QLocale(code));
        auto* own = new QTranslator(&app);
        if (own->load(":/i18n/varnel_" + code + ".qm"))
            QApplication::installTranslator(own);
        // Qt's own words: the standard buttons and dialogs.
        auto* qt = new QTranslator(&app);
        if (qt->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(qt);
    }
    QApplication::setLayoutDirection(RightToLeft(code) ? Qt::RightToLeft : Qt::LeftToRight);
    return code;
}

void FillMenu(QMenu* menu, WindowSettings& settings)
{
    auto* group = new QActionGroup(menu);
    const QString chosen = settings.Text(kSettingKey);
    auto add = [&](const QString& text, const QString& code) {
        QAction* a = menu->addAction(text);
        a->setCheckable(true);
        a->setChecked(code == chosen || (code.isEmpty() && !Available().contains(chosen)));
        a->setData(code);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, menu, [&settings, code, text] {
            settings.Remember(kSettingKey, code);
            ShowMessage("Varnel", QCoreApplication::translate("InterfaceLanguage",
                                                              "Varnel will speak %1 from its next start.")
                                      .arg(text));
        });
    };
    add(QCoreApplication::translate("InterfaceLanguage", "System Default"), QString());
    menu->addSeparator();
    for (const QString& code : Available())
        add(NativeName(code), code);
}

} // namespace interface_language
