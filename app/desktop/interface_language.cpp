// SPDX-License-Identifier: GPL-3.0-or-later
#include "interface_language.h"

#include "naming.h"
#include "sura.h"

#include "sura_names.h"

#include "settings_file.h"
#include "window_settings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>
#include <memory>

#include <vector>

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

namespace
{

QString& InUse()
{
    static QString code = "en";
    return code;
}

} // namespace

QString Current() { return InUse(); }

void Use(const QString& code)
{
    // The translators of the language spoken: those of the language before go first (removed from the
    // application as they are destroyed).
    static std::vector<std::unique_ptr<QTranslator>> installed;
    installed.clear();
    InUse() = Available().contains(code) ? code : "en";
    if (InUse() == "en") {
        // In English the system's own number and date formats stay.
        QLocale::setDefault(QLocale::system());
    } else {
        QLocale::setDefault(QLocale(InUse()));
        installed.push_back(std::make_unique<QTranslator>());
        installed.push_back(std::make_unique<QTranslator>());
        QTranslator& own = *installed[0];
        QTranslator& qt = *installed[1];
        // Qt's own words (the standard buttons and dialogs) first: the last installed is asked first, and
        // where Varnel has words of its own for Qt's parts (a panel's Float and Close), they stand.
        if (qt.load("qtbase_" + InUse(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        if (own.load(":/i18n/varnel_" + InUse() + ".qm"))
            QCoreApplication::installTranslator(&own);
    }
    QGuiApplication::setLayoutDirection(RightToLeft(InUse()) ? Qt::RightToLeft : Qt::LeftToRight);
    // The interface's own script first, where the system's font draws it poorly: Arabic and Urdu in an
    // Arabic-script font made for screens; Latin letters, which it lacks, still come from the system's.
    static const QFont systemFont = QGuiApplication::font();
    QFont font = systemFont;
    if (RightToLeft(InUse()))
        font.setFamilies(QStringList{"Noto Sans Arabic UI"} + systemFont.families() << systemFont.family());
    QGuiApplication::setFont(font);
}

QString SuraTitle(const std::string& longTitle)
{
    const QString title = QString::fromLatin1(longTitle.c_str()).trimmed();
    return Current() == "en" ? title : title.section(" (", 0, 0);
}

QString ReadLeftToRight(const std::string& name)
{
    const QString text = QString::fromLatin1(name.c_str());
    return QGuiApplication::isRightToLeft() ? QChar(0x200E) + text : text;
}

bool WritesSuraNamesInArabic() { return Current() == "ar" || Current() == "ur"; }

QString SuraName(int number, const std::string& shortTitle)
{
    const QString arabic = QString::fromUtf8(ArabicSuraName(number));
    if (WritesSuraNamesInArabic() && !arabic.isEmpty())
        return QLocale().toString(number) + ". " + arabic;
    return ReadLeftToRight(shortTitle);
}

QString SuraName(int number)
{
    const auto& titles = SuraTable().ShortTitles();
    const auto title = titles.find(PadSura(IntToString(number)));
    return title == titles.end() ? QString() : SuraName(number, title->second);
}

QString Install(const SettingsFile& settings)
{
    Use(Choose(settings.Text(kSettingKey), QLocale::system().uiLanguages()));
    return Current();
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
        QObject::connect(a, &QAction::triggered, menu, [&settings, code] {
            settings.Remember(kSettingKey, code);
            Switch(code);
        });
    };
    add(QString(), QString());
    menu->addSeparator();
    for (const QString& code : Available())
        add(NativeName(code), code);
    RetranslateMenu(menu);
}

void RetranslateMenu(QMenu* menu)
{
    for (QAction* a : menu->actions())
        if (a->isCheckable() && a->data().toString().isEmpty())
            a->setText(QCoreApplication::translate("InterfaceLanguage", "System Default"));
}

void Switch(const QString& code)
{
    Use(code.isEmpty() ? Choose(QString(), QLocale::system().uiLanguages()) : code);
    // Each part of every window writes its own words again on LanguageChange. Qt posts that event only
    // while the event loop runs, once per translator removed or added: here every widget hears it once,
    // at once, with the new language wholly in place. Its numbers too: a widget keeps the locale it was
    // made with.
    for (QWidget* widget : QApplication::allWidgets()) {
        widget->setLocale(QLocale());
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(widget, &change);
    }
}

} // namespace interface_language
