// SPDX-License-Identifier: GPL-3.0-or-later
// The languages of the text panel: each translation in a font that has its script, in its direction.
#include "varn.h"
#include "workspace.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

class TestLanguages : public QObject
{
    Q_OBJECT

  private slots:
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
        window.SetSura(window.W().chooser->findText("108. Al-Kauther"));
        window.StopAya();
        for (const auto& [k, line] : lines) {
            window.ChangeLang(k);
            window.SetArabic("108.001");
            QTextDocument* doc = window.W().textPanel->document();
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
                }
            QVERIFY2(found, qPrintable(line.second));
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
