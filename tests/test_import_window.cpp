// SPDX-License-Identifier: GPL-3.0-or-later
// Importing recordings from the window: File > Import Recordings... makes one sura of the learner's voice
// an add-on recitation that is heard at once (the pack's own recitation for the ayas not recorded);
// Recitor > Installed Packs... lists it and removes it after asking; Cancel leaves nothing behind.
#include "import_dialog.h"
#include "installed_packs.h"
#include "pack_dialogs.h"
#include "select_recitor.h"
#include "varn.h"
#include "whole.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

using fixtures::Press;

namespace
{

QAction* MenuItem(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

// A Tanzil-style Arabic text of suras first..last.
QByteArray Tanzil(int first, int last)
{
    QByteArray text;
    for (int s = first; s <= last; ++s)
        for (int a = 1; a <= SuraTable().AyaCount(std::to_string(s)); ++a)
            text += QByteArray::number(s) + "|" + QByteArray::number(a) + "|" +
                    QString::fromUtf8("\u0628\u0650\u0633\u0652\u0645\u0650").toUtf8() + "\n";
    return text;
}

} // namespace

class TestImportWindow : public QObject
{
    Q_OBJECT

  private slots:
    void oneSuraHeardAtOnce()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        ws.Write("config.ini", "0\n");
        for (const char* name : {"voice/108001.ogg", "voice/108003.ogg"})
            ws.Write(name, fixtures::ToneOgg(700));
        ws.Write("arabic.txt", Tanzil(104, 114));
        Varn window;
        fixtures::ShowActive(window);
        window.NewProfile("Amina");
        fixtures::Choose(window, "108. Al-Kauther");
        window.StopAya();
        AyaPlayer* player = window.Session()->WholeDrill()->Player();
        QVERIFY(std::abs(player->GetLength("108.001.ogg") - 150) < 30);

        MenuItem(fixtures::C(window).file, "&Import Recordings...")->trigger();
        ImportDialog* dialog = window.Dialogs()->Import();
        QVERIFY(dialog && dialog->isVisible());
        dialog->F().audio->setText(ws.Path("voice"));
        dialog->F().text->setText(ws.Path("arabic.txt"));
        dialog->F().recitation->setText("MyVoice");
        Press(dialog->F().import);
        QVERIFY(fixtures::WaitFor([&] { return !dialog->Running() && !ws.messages.isEmpty(); }, 10000));
        QVERIFY2(ws.messages.last().contains("imported"), qPrintable(ws.messages.join('\n')));
        QVERIFY(!dialog->isVisible());
        // Opened again, it starts from an empty bar, not the last import's end.
        window.Dialogs()->ShowImport();
        QCOMPARE(dialog->F().progress->value(), 0);
        dialog->hide();

        // Heard without a restart: the learner's voice where they recorded, the pack's elsewhere.
        QVERIFY(QFileInfo::exists(ws.Path("quran/extra/MyVoice/s104_s114.dat")));
        QCOMPARE(ws.Read("recite.ini"), QByteArray("s104_s114.dat\tMyVoice\n"));
        QVERIFY(std::abs(window.Session()->WholeDrill()->Player()->GetLength("108.001.ogg") - 700) < 30);
        QVERIFY(std::abs(window.Session()->WholeDrill()->Player()->GetLength("108.002.ogg") - 150) < 30);
        QCOMPARE(fixtures::C(window).chooser->currentText(), QString("108. Al-Kauther"));
        SelectRecitor* recitor = window.RecitorDialog();
        QCOMPARE(recitor->Choosers().size(), size_t(1));
        QCOMPARE(recitor->Choosers()[0]->currentText(), QString("MyVoice"));

        // Installed Packs lists both copies, the chosen one marked; the learner's recitation can go.
        MenuItem(fixtures::C(window).recitor, "&Installed Packs...")->trigger();
        InstalledPacks* installed = window.Dialogs()->Installed();
        QTreeWidget* list = installed->List();
        QCOMPARE(list->topLevelItemCount(), 2);
        QTreeWidgetItem* mine = nullptr;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->text(4).startsWith("MyVoice"))
                mine = list->topLevelItem(i);
        QVERIFY(mine);
        QCOMPARE(mine->text(4), QString("MyVoice (chosen)"));
        QCOMPARE(mine->text(1), QString("104-114"));
        QCOMPARE(mine->text(3), QString("yours"));
        list->setCurrentItem(list->topLevelItem(0) == mine ? list->topLevelItem(1) : list->topLevelItem(0));
        QVERIFY(!installed->RemoveButton()->isEnabled()); // the default recitation stays
        list->setCurrentItem(mine);
        QVERIFY(installed->RemoveButton()->isEnabled());
        SetQuestionAnswer(false);
        ws.messages.clear();
        Press(installed->RemoveButton());
        QVERIFY(QFileInfo::exists(ws.Path("quran/extra/MyVoice/s104_s114.dat")));
        // The question names the recitation, not a folder of the program's.
        QVERIFY2(ws.messages.size() == 1 && ws.messages[0].contains("\"MyVoice\"") &&
                     !ws.messages[0].contains("extra/"),
                 qPrintable(ws.messages.join('\n')));
        SetQuestionAnswer(true);
        Press(installed->RemoveButton());
        QVERIFY(!QFileInfo::exists(ws.Path("quran/extra/MyVoice")));
        QCOMPARE(list->topLevelItemCount(), 1);
        QVERIFY(std::abs(window.Session()->WholeDrill()->Player()->GetLength("108.001.ogg") - 150) < 30);
        QCOMPARE(window.RecitorDialog()->Choosers()[0]->currentText(), QString("default"));
    }

    // Recordings alone, without a text or a name: a recitation of their own beside the pack installed,
    // chosen at once; a name that cannot be a folder's is refused.
    void recordingsAlone()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        ws.Write("config.ini", "0\n");
        ws.Write("voice/108002.mp3", fixtures::ToneOgg(600)); // named .mp3, whatever it holds
        Varn window;
        window.Dialogs()->ShowImport();
        ImportDialog* dialog = window.Dialogs()->Import();
        dialog->F().audio->setText(ws.Path("voice"));
        dialog->F().recitation->setText("my voice");
        dialog->Start();
        QVERIFY(!dialog->Running());
        QVERIFY2(ws.messages.last().contains("one word"), qPrintable(ws.messages.last()));
        dialog->F().recitation->clear();
        dialog->Start();
        QVERIFY(fixtures::WaitFor([&] { return !dialog->Running() && ws.messages.size() == 2; }, 10000));
        QVERIFY2(ws.messages.last().contains("imported"), qPrintable(ws.messages.last()));
        QVERIFY(QFileInfo::exists(ws.Path("quran/extra/MyRecordings/s104_s114.dat")));
        QCOMPARE(ws.Read("recite.ini"), QByteArray("s104_s114.dat\tMyRecordings\n"));
        fixtures::Choose(window, "108. Al-Kauther");
        window.StopAya();
        QVERIFY(std::abs(window.Session()->WholeDrill()->Player()->GetLength("108.002.ogg") - 600) < 30);
        QVERIFY(std::abs(window.Session()->WholeDrill()->Player()->GetLength("108.001.ogg") - 150) < 30);
    }

    // Cancel stops the import and leaves nothing of it; a problem is told in plain words.
    void cancelAndProblems()
    {
        Workspace ws;
        ws.Pack("quran/fatiha.dat", 1, 1, 150);
        ws.Write("config.ini", "0\n");
        const QByteArray tone = fixtures::ToneOgg(400);
        for (int s = 104; s <= 114; ++s)
            for (int a = 1; a <= SuraTable().AyaCount(std::to_string(s)); ++a)
                ws.Write(QString("voice/%1%2.ogg").arg(s).arg(a, 3, 10, QChar('0')), tone);
        ws.Write("arabic.txt", Tanzil(104, 114));
        Varn window;
        window.Dialogs()->ShowImport();
        ImportDialog* dialog = window.Dialogs()->Import();
        dialog->F().audio->setText(ws.Path("voice"));
        dialog->F().text->setText(ws.Path("arabic.txt"));
        dialog->F().ogg->setChecked(true);
        dialog->Start();
        QVERIFY(dialog->Running());
        QCOMPARE(dialog->F().cancel->text(), QString("Cancel"));
        dialog->CancelOrClose();
        QVERIFY(fixtures::WaitFor([&] { return !dialog->Running() && !ws.messages.isEmpty(); }, 20000));
        QVERIFY2(ws.messages.last().contains("cancelled"), qPrintable(ws.messages.join('\n')));
        QVERIFY(!QFileInfo::exists(ws.Path("quran/s104_s114.dat")));
        QVERIFY(!QFileInfo::exists(ws.Path("quran/s078_s114.dat")));
        QCOMPARE(QDir(ws.Path("quran")).entryList(QDir::Files), QStringList({"fatiha.dat"}));

        // A text without the suras: the tool's problem, readable, and nothing written.
        ws.Write("short.txt", Tanzil(104, 110));
        dialog->F().text->setText(ws.Path("short.txt"));
        dialog->F().ogg->setChecked(false);
        dialog->Start();
        QVERIFY(fixtures::WaitFor([&] { return !dialog->Running() && ws.messages.size() == 2; }, 20000));
        QVERIFY2(ws.messages.last().contains("could not be imported") &&
                     !ws.messages.last().contains("varnel-pack import:"),
                 qPrintable(ws.messages.last()));
        QCOMPARE(QDir(ws.Path("quran")).entryList(QDir::Files), QStringList({"fatiha.dat"}));
    }
};

QTEST_MAIN(TestImportWindow)
#include "test_import_window.moc"
