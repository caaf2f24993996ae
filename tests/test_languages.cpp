// SPDX-License-Identifier: GPL-3.0-or-later
// The languages of the text panel: each translation in a font that has its script, in its direction.
#include "draglabel.h"
#include "heart.h"
#include "help_guide.h"
#include "id_menu.h"
#include "interface_language.h"
#include "pack_dialogs.h"
#include "playback_keys.h"
#include "progress_bar.h"
#include "review_panel.h"
#include "varn.h"
#include "visible_texts.h"
#include "window_controls.h"
#include "workspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTranslator>

// The %1, %2... of a message, in order of number; "%L1" (the number in the locale's digits) counts as "%1".
QStringList Placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression mark("%L?(\\d)");
    for (auto it = mark.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

// A text that is the same in every language: a sura's or a language's name, a number, a key.
bool IsNameOrNumber(const QString& text)
{
    static const QRegularExpression numbers("^[\\d\\s.,:%x×·–/()+-]*$");
    static const QRegularExpression sura("^\\d+\\. [A-Z][\\w'-]+( [\\w'-]+)*$");
    // The program's and the learner's names, the test pack's files, a sound device's name, and the units.
    static const QStringList names = {"Varnel", "Varnel 2.1", "Lumora Software", "Varnel :: Lumora Software",
                                      "Amina",  "English",    "No Output"};
    // A number with a unit every language here writes alike ("34.93 KiB", "ms"); seconds are translated.
    static const QRegularExpression measure("^[\\d.,]*\\s*(ms|MB|KiB|MiB|kHz)$");
    if (measure.match(text).hasMatch())
        return true;
    if (text.endsWith(".dat") || text.startsWith("Translation of ") || text.startsWith("Transliteration of "))
        return true;
    return numbers.match(text).hasMatch() || sura.match(text).hasMatch() || names.contains(text) ||
           interface_language::Available().contains(text) || [&] {
               for (const QString& code : interface_language::Available())
                   if (text == interface_language::NativeName(code))
                       return true;
               return false;
           }();
}

// Words that are the same in English and in the language, as written there: "OK" everywhere, the
// French "Page", the Indonesian "Juz".
bool SameWord(const QString& code, const QString& text)
{
    // French writes seconds as English does ("3 s", "0,8 s"), numbers aside.
    static const QMap<QString, QStringList> same = {{"fr", {"Page", "Pages"}}, {"id", {"Juz"}}};
    if (code == "fr" && QRegularExpression("^[\\d,]+ s$").match(text).hasMatch())
        return true;
    return text == "OK" || same.value(code).contains(text);
}

// The texts of the window with Amina's heart and review due, and of every dialog it opens.
QSet<QString> ShownTexts()
{
    Workspace ws;
    ws.Pack("quran/s104_s114.dat", 104, 114);
    ws.Pack("quran/fatiha.dat", 1, 1);
    QSet<QString> texts;
    {
        Varn window;
        window.NewProfile("Amina");
        fixtures::C(window).heart->DropText("all.108");
        fixtures::C(window).heart->DropText("all.112");
        window.Dialogs()->ShowRecitor();
        window.Dialogs()->ShowImport();
        window.Dialogs()->ShowInstalled();
        window.ShowConfig();
        window.Help();
        window.LoadProfilePopup();
        texts = fixtures::VisibleTexts();
        for (const QString& m : ws.messages)
            fixtures::AddText(texts, m.section('|', 1));
        fixtures::AddText(texts, AboutText());
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
    }
    return texts;
}

class TestLanguages : public QObject
{
    Q_OBJECT

  private slots:
    // A progress bar shows its percentage right to left as well as left to right, filled from the side
    // where the text starts: the style alone draws no text on a right-to-left bar.
    void progressReadsBothWays()
    {
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QWidget holder;
            holder.setLayoutDirection(direction);
            ProgressBar bar(&holder);
            bar.setRange(0, 10);
            bar.setValue(3);
            bar.resize(300, 24);
            const QImage image = bar.grab().toImage();
            // The text's ink in the bar's middle, where the fill does not reach.
            int ink = 0;
            for (int y = 4; y < image.height() - 4; ++y)
                for (int x = 120; x < 180; ++x)
                    ink += qGray(image.pixel(x, y)) < 100;
            QVERIFY2(ink > 10, qPrintable(QString("%1: %2 dark pixels").arg(int(direction)).arg(ink)));
            // Filled from the side where the text starts.
            const int y = image.height() / 2, left = qGray(image.pixel(12, y)),
                      right = qGray(image.pixel(288, y));
            QVERIFY2(direction == Qt::LeftToRight ? left < right : right < left,
                     qPrintable(QString("%1: %2 %3").arg(int(direction)).arg(left).arg(right)));
        }
    }

    // The system's languages in order, the first one translated wins; the learner's choice before them;
    // English when none is translated.
    void chooseLanguage()
    {
        using interface_language::Choose;
        QCOMPARE(Choose("", {"ar-EG", "en-US"}), QString("ar"));
        QCOMPARE(Choose("", {"de-DE", "fr-FR"}), QString("fr"));
        QCOMPARE(Choose("", {"ur_PK"}), QString("ur"));
        QCOMPARE(Choose("id", {"ar"}), QString("id"));
        QCOMPARE(Choose("xx", {"de", "sv"}), QString("en"));
        QCOMPARE(Choose("", {}), QString("en"));
        QVERIFY(interface_language::RightToLeft("ar") && interface_language::RightToLeft("ur"));
        QVERIFY(!interface_language::RightToLeft("bn"));
        QCOMPARE(interface_language::NativeName("ar"), QString::fromUtf8("العربية"));
    }

    // View > Interface Language: the system's language or one of the seven, spoken at once and kept in
    // varnel.ini for the next start; the Language menu of translation packs is another menu.
    void interfaceLanguageMenu()
    {
        Workspace ws;
        ws.Write("config.ini", "0\n");
        Varn window;
        QMenu* menu = nullptr;
        for (QAction* a : fixtures::C(window).view->actions())
            if (a->menu() && a->text() == "Interface &Language")
                menu = a->menu();
        QVERIFY(menu);
        QStringList items;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                items << a->text();
        QCOMPARE(items.size(), 8);
        QCOMPARE(items.first(), QString("System Default"));
        QVERIFY(items.contains(QString::fromUtf8("العربية")) && items.contains("English"));
        QVERIFY(menu->actions().first()->isChecked());
        const bool translationShown = window.ShowTranslation();
        for (QAction* a : menu->actions())
            if (a->data().toString() == "ar")
                a->trigger(); // the View menu reports it as its own triggered(), as for a click
        // It is no View item: the translation stays as it was.
        QCOMPARE(window.ShowTranslation(), translationShown);
        QVERIFY(ws.Read("varnel.ini").contains("interface-language=ar"));
        QCOMPARE(interface_language::Current(), QString("ar"));
        QVERIFY(window.isRightToLeft());
        QCOMPARE(ws.Read("config.ini"), QByteArray("0\n"));
        interface_language::Use("en");
        Varn again;
        for (QAction* a : fixtures::C(again).view->actions())
            if (a->menu() && a->text() == "Interface &Language")
                for (QAction* item : a->menu()->actions())
                    QCOMPARE(item->isChecked(), item->data().toString() == "ar" && !item->isSeparator());
    }

    // Every word the interface has is translated in each language, with its %1 kept; the window built
    // in the language shows it (menus, buttons, groups) and lies right to left in Arabic and Urdu.
    void windowInEachLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"ar", "ur", "id", "tr", "bn", "fr"})
            QTest::newRow(code) << QString(code);
    }
    void windowInEachLanguage()
    {
        QFETCH(QString, code);
        QFile ts(QString(VARNEL_SOURCE_DIR) + "/translations/varnel_" + code + ".ts");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QDomDocument doc;
        QVERIFY(doc.setContent(&ts));
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/varnel_" + code + ".qm"));
        int count = 0;
        const QDomNodeList contexts = doc.elementsByTagName("context");
        for (int c = 0; c < contexts.count(); ++c) {
            const QByteArray context = contexts.at(c).firstChildElement("name").text().toUtf8();
            const QDomNodeList messages = contexts.at(c).toElement().elementsByTagName("message");
            for (int i = 0; i < messages.count(); ++i, ++count) {
                const QString source = messages.at(i).firstChildElement("source").text();
                // A message whose count picks its plural form: each form, as the counts reach it.
                const bool counted = messages.at(i).toElement().attribute("numerus") == "yes";
                for (const int n : counted ? QList<int>{0, 1, 2, 3, 11, 100} : QList<int>{-1}) {
                    const QString translated =
                        translator.translate(context.constData(), source.toUtf8().constData(), nullptr, n);
                    QVERIFY2(!translated.isEmpty(), qPrintable(code + ": " + source));
                    QCOMPARE(Placeholders(translated), Placeholders(source));
                    // In Bengali a mnemonic before a letter would split it from its vowel sign (a dotted
                    // circle shows), in Arabic and Urdu cut a letter from the ones it joins: the key
                    // stands after the text, as "(&F)".
                    if (code == "bn" || code == "ar" || code == "ur")
                        QVERIFY2(!translated.contains(QRegularExpression("&[^\\x00-\\x7f]")),
                                 qPrintable(translated));
                }
            }
        }
        QVERIFY(count > 150);
        // Arabic counts 3 to 10 and 11 to 99 in different forms; French 1 and 2.
        const std::map<QString, std::pair<int, int>> differ = {{"ar", {3, 12}}, {"fr", {1, 2}}};
        if (differ.count(code)) {
            const auto [a, b] = differ.at(code);
            QVERIFY(translator.translate("ReviewCalendar", "%1 reviews in %2 weeks", nullptr, a) !=
                    translator.translate("ReviewCalendar", "%1 reviews in %2 weeks", nullptr, b));
        }

        interface_language::Use(code);
        // Varnel's own words for Qt's parts stand before Qt's: a panel's Float button.
        QCOMPARE(QCoreApplication::translate("QDockWidget", "Float"),
                 translator.translate("QDockWidget", "Float"));
        {
            Workspace ws;
            ws.Pack("quran/s104_s114.dat", 104, 114);
            Varn window;
            const QStringList english = {"&File", "&View", "&Recitor", "&Language", "&Help"};
            const QList<QAction*> bar = window.menuBar()->actions();
            QCOMPARE(bar.size(), english.size());
            for (int k = 0; k < bar.size(); ++k)
                QVERIFY2(bar[k]->text() != english[k], qPrintable(bar[k]->text()));
            const std::pair<QString, QString> shown[] = {
                {fixtures::C(window).playButton->text(), "Play Aya"},
                {fixtures::C(window).stopButton->text(), "Stop Playing"},
                {fixtures::C(window).compareButton->text(), "Compare"},
                {fixtures::C(window).recordButton->accessibleName(), "Record my recitation"},
                {fixtures::C(window).speedSpin->toolTip(),
                 "Playback speed; the pitch stays the same ([ slower, ] faster)"},
                {fixtures::C(window).testMeCheck->text(), "Test me"}};
            for (const auto& [text, source] : shown)
                QVERIFY2(!text.isEmpty() && text != source, qPrintable(code + ": " + source));
            // Arabic and Urdu write the suras' names in Arabic script; the others as the table does.
            const int last = fixtures::C(window).chooser->count() - 1;
            QCOMPARE(fixtures::C(window).chooser->itemText(last).contains(
                         QString::fromUtf8("\u0627\u0644\u0646\u0627\u0633")),
                     code == "ar" || code == "ur");
            QCOMPARE(window.layoutDirection(),
                     interface_language::RightToLeft(code) ? Qt::RightToLeft : Qt::LeftToRight);
            // Arabic script in a font made for screens, the first the window asks for.
            QCOMPARE(window.font().families().value(0) == "Noto Sans Arabic UI",
                     interface_language::RightToLeft(code));
        }
        interface_language::Use("en");
        QVERIFY(!QApplication::font().families().contains("Noto Sans Arabic UI"));
    }

    // Walked as a screen reader walks them, the window with a learner's heart and review, and each of its
    // dialogs, show no English text in another language but names and numbers.
    void noEnglishLeft_data() { windowInEachLanguage_data(); }
    void noEnglishLeft()
    {
        QFETCH(QString, code);
        const QSet<QString> english = ShownTexts();
        interface_language::Use(code);
        const QSet<QString> shown = ShownTexts();
        interface_language::Use("en");
        QStringList left;
        for (const QString& text : shown)
            if (english.contains(text) && !IsNameOrNumber(text) && !SameWord(code, text))
                left << text;
        left.sort();
        for (const QString& text : left)
            qInfo().noquote() << code << "still English:" << text;
        QVERIFY2(left.isEmpty(), qPrintable(code + ": " + left.value(0)));
    }

    // In Arabic the heart's root has an Arabic name and is still the root, its suras and ayas work as
    // before; the review calendar's weeks start on the locale's first day, Saturday in Arabic and Monday
    // in French; and the sura's English meaning is left out of the title.
    void heartAndCalendarInTheLanguage()
    {
        const QDate wednesday(2026, 12, 9);
        interface_language::Use("fr");
        QCOMPARE(ReviewCalendar::FirstDay(wednesday).dayOfWeek(), int(Qt::Monday));
        interface_language::Use("ar");
        QCOMPARE(ReviewCalendar::FirstDay(wednesday).dayOfWeek(), int(QLocale("ar").firstDayOfWeek()));
        QCOMPARE(ReviewCalendar::FirstDay(wednesday).daysTo(wednesday) / 7, ReviewCalendar::kWeeks - 1);
        {
            Workspace ws;
            ws.Pack("quran/s104_s114.dat", 104, 114);
            Varn window;
            window.NewProfile("Amina");
            QVERIFY(fixtures::C(window).heart->DropText("all.108"));
            QTreeWidgetItem* root = fixtures::C(window).heart->Root();
            QVERIFY2(!root->text(0).contains("Heart") && root->text(0).contains("Amina"),
                     qPrintable(root->text(0)));
            QCOMPARE(Heart::KindOf(root), Heart::Kind::Root);
            QTreeWidgetItem* sura = root->child(0);
            QCOMPARE(Heart::KindOf(sura), Heart::Kind::Sura);
            QTreeWidgetItem* aya = sura->child(1);
            QCOMPARE(Heart::KindOf(aya), Heart::Kind::Aya);
            window.ShowAya(aya);
            QCOMPARE(QString::fromStdString(window.Session()->CurrentAya()), aya->text(0));
            window.StopAya();
            QVERIFY2(!fixtures::C(window).title->text().contains("("),
                     qPrintable(fixtures::C(window).title->text()));
        }
        interface_language::Use("en");
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    }

    // Right to left the ayas run leftwards, as the aya slider does: Left (and Ctrl+Left) is the next aya,
    // Right the previous one; Space and the media keys stay as they are. Left to right, as before.
    void arrowsFollowTheDirection()
    {
        for (const char* code : {"ar", "en"}) {
            interface_language::Use(code);
            const bool rtl = QString(code) == "ar";
            const PlaybackCommand next = rtl ? PlaybackCommand::Previous : PlaybackCommand::Next;
            const PlaybackCommand previous = rtl ? PlaybackCommand::Next : PlaybackCommand::Previous;
            QCOMPARE(PlaybackCommandFor(Qt::Key_Right, Qt::NoModifier, FocusKind::Other), next);
            QCOMPARE(PlaybackCommandFor(Qt::Key_Left, Qt::ControlModifier, FocusKind::NumberEntry), previous);
            QCOMPARE(PlaybackCommandFor(Qt::Key_Left, Qt::NoModifier, FocusKind::NumberEntry),
                     PlaybackCommand::None);
            QCOMPARE(PlaybackCommandFor(Qt::Key_Space, Qt::NoModifier, FocusKind::Other),
                     PlaybackCommand::Toggle);
            QCOMPARE(PlaybackCommandFor(Qt::Key_MediaNext, Qt::NoModifier, FocusKind::Other),
                     PlaybackCommand::Next);
        }
    }

    // Each translation in its script's font, chosen by the pack's language: every character of a Bengali,
    // a Chinese and an Urdu line exists in the font the panel draws it with (no empty boxes), and Urdu
    // runs right to left.
    void translationFonts()
    {
        Workspace ws;
        ws.Write("langs.ini", "bn.dat Bengali\nzh.dat Chinese.Simplified\nur.dat Urdu\n");
        const std::map<int, std::pair<QString, QString>> lines = {
            {1, {QString::fromUtf8("আমি তোমাকে কাওসার দান করেছি।"), "Noto Sans Bengali"}},
            {2, {QString::fromUtf8("我确已赐你多福。"), "WenQuanYi Micro Hei"}},
            {3, {QString::fromUtf8("بے شک ہم نے آپ کو کوثر عطا کی"), "Noto Nastaliq Urdu"}}};
        const char* files[] = {"", "bn.dat", "zh.dat", "ur.dat"};
        for (const auto& [k, line] : lines)
            QVERIFY(fixtures::WriteArchive(ws.Path(QString("quran/lang/") + files[k]),
                                           {{"108.001.eng", line.first.toUtf8()}}));
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        window.SetSura(fixtures::C(window).chooser->findText("108. Al-Kauther"));
        window.StopAya();
        for (const auto& [k, line] : lines) {
            window.ChangeLang(k);
            window.SetArabic("108.001");
            QTextDocument* doc = fixtures::C(window).textPanel->document();
            QVERIFY2(doc->toPlainText().contains(line.first), qPrintable(doc->toPlainText()));
            bool found = false;
            for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextFragment fragment = it.fragment();
                    if (!fragment.text().contains(line.first.left(3)))
                        continue;
                    found = true;
                    const QFont font = fragment.charFormat().font();
                    QCOMPARE(QFontInfo(font).family(), line.second);
                    const QFontMetrics metrics(font);
                    for (const uint c : fragment.text().toUcs4())
                        QVERIFY2(
                            c == ' ' || metrics.inFontUcs4(c),
                            qPrintable(QString("U+%1 not in %2").arg(c, 4, 16, QChar('0')).arg(line.second)));
                    QCOMPARE(block.textDirection(), k == 3 ? Qt::RightToLeft : Qt::LeftToRight);
                    // Room at the line's start for strokes that reach past the first letter (Nastaliq's).
                    QVERIFY(k == 3 ? block.blockFormat().rightMargin() > 0
                                   : block.blockFormat().leftMargin() > 0);
                }
            QVERIFY2(found, qPrintable(line.second));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
