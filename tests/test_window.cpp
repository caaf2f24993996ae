// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame, menus, language switch, picture views and aya display, driven through its
// widgets.
#include "arabic.h"
#include "aya.h"
#include "config.h"
#include "draglabel.h"
#include "fixtures.h"
#include "heart.h"
#include "id_menu.h"
#include "kelres.h"
#include "playback_keys.h"
#include "profile.h"
#include "profile_file.h"
#include "qjpixmapview.h"
#include "select_recitor.h"
#include "varn.h"
#include "window_controls.h"
#include "working_folder.h"
#include "workspace.h"

#include <QAccessible>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>

namespace
{

QStringList Texts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << a->text();
    return texts;
}

QString IconOf(const IdMenu* menu, int id)
{
    return menu->Item(id)->property(Varn::kIconNameProperty).toString();
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

  private slots:
    void screenRules()
    {
        QVERIFY(Varn::ScreenLargeEnough(QSize(800, 600)));
        QVERIFY(!Varn::ScreenLargeEnough(QSize(799, 600)));
        QVERIFY(!Varn::ScreenLargeEnough(QSize(800, 599)));
        QVERIFY(Varn::PlaceCentred(QSize(1280, 1024)));
        QVERIFY(Varn::PlaceCentred(QSize(1101, 700)));
        QVERIFY(!Varn::PlaceCentred(QSize(1024, 768)));
        QVERIFY(!Varn::PlaceCentred(QSize(1100, 800)));
    }

    void widgetTreeAndInitialState()
    {
        Workspace ws;
        Varn window;
        const fixtures::Controls w = fixtures::C(window);
        QCOMPARE(window.windowTitle(), QString("Varnel :: Lumora Software"));
        QVERIFY(w.closeCompleted->isChecked());
        QVERIFY(w.singleBar->isHidden());
        QVERIFY(!w.ayaSlider->isEnabled());
        QCOMPARE(w.ayaSlider->tickInterval(), 1);
        QCOMPARE(w.heart->headerItem()->text(0), QString("Memorized Suras by Heart"));
        QCOMPARE(w.heart->Root()->text(0), QString("My Heart"));
        QVERIFY(w.heart->Root()->isExpanded());
        QCOMPARE(w.heartProgress->palette().color(QPalette::Disabled, QPalette::Highlight), QColor(Qt::red));
        QCOMPARE(w.repeatSpin->minimum(), 1);
        QCOMPARE(w.repeatSpin->maximum(), 20);
        QCOMPARE(w.pauseSpin->maximum(), 300);
        QVERIFY(!w.fromSpin->isEnabled() && !w.toSpin->isEnabled());
        // No pack yet: the cursor is at sura 114, the range fits it.
        QCOMPARE(w.toSpin->maximum(), 6);
        QCOMPARE(w.toSpin->value(), 6);
        QCOMPARE(window.Cursor()->GetCurAya(), std::string("114.001"));
        QVERIFY(w.title->text().contains("114. An-Nas (Mankind)"));
        QCOMPARE(w.textPanel->palette().color(QPalette::Base), QColor(Qt::red));
        QVERIFY(w.ayaView->dragText.empty());
        QVERIFY(window.ProfileDialog()->isVisible());
        QCOMPARE(window.ProfileDialog()->windowTitle(), QString("Load or Create Profile"));
        QVERIFY(!window.ConfigDialog() || !window.ConfigDialog()->isVisible()); // built when first asked for
        QVERIFY(!window.RecitorDialog()->isVisible());
        QCOMPARE(w.playButton->toolTip(),
                 QString("Plays the current aya (Space, Ctrl+Space or the Play key)"));
        QCOMPARE(w.dragLabel->toolTip(),
                 QString("Tabaarakallah! You know this sura? Drag me to your heart!"));
        QVERIFY(w.stackCheck->toolTip().startsWith("&nbsp;Recite aya 1 a number of times<br>"));

        // The settings groups stand one under another in their panel, in the order they are set, and a
        // screen reader names each group by its own title.
        QCOMPARE(w.settingsDock->windowTitle(), QString("Recitation Settings"));
        QStringList titles, spoken;
        for (QGroupBox* group : w.settingsDock->findChildren<QGroupBox*>()) {
            titles << group->title();
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(group);
            QVERIFY(face);
            spoken << face->text(QAccessible::Name);
        }
        QCOMPARE(titles, QStringList({"Aya Settings", "Playback Settings", "Aya Range Settings",
                                      "Sura Playback Progress", "Practice Aids"}));
        QCOMPARE(spoken, titles);
        for (QWidget* control : std::initializer_list<QWidget*>{
                 w.repeatSpin, w.pauseSpin, w.loopCheck, w.stackCheck, w.singleCheck, w.rangeCheck,
                 w.fromSpin, w.toSpin, w.suraProgress, w.speedSpin, w.timesSpin, w.testMeCheck})
            QVERIFY(w.settingsDock->isAncestorOf(control));
        QCOMPARE(w.bismillah->toolTip(),
                 QString("In the Name of Allah the Most Beneficent, the Most Merciful"));
        QVERIFY(ws.messages.isEmpty());
    }

    // The interface's pictures come from img.vnl read once (each decoded once), and read again when the
    // file is replaced.
    void interfacePictures()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QVERIFY(fixtures::WriteArchive("img.vnl", {{"play.png", fixtures::Png(16, 16)}}));
        QCOMPARE(PixmapFromResource("play.png").size(), QSize(16, 16));
        QCOMPARE(PixmapFromResource("play.png").cacheKey(), PixmapFromResource("play.png").cacheKey());
        QTest::qWait(20); // another time of change, as a new installation's
        QVERIFY(fixtures::WriteArchive("img.vnl", {{"play.png", fixtures::Png(24, 24)}, {"stop.png", "x"}}));
        QCOMPARE(PixmapFromResource("play.png").size(), QSize(24, 24));
        QVERIFY(PixmapFromResource("none.png").isNull());
        QDir::setCurrent(before);
    }

    // The key table: what each key does with each kind of control focused.
    void playbackKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("command");
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier;
        auto row = [](const char* name, int key, int mods, FocusKind focus, PlaybackCommand command) {
            QTest::newRow(name) << key << mods << int(focus) << int(command);
        };
        row("space, picture", Qt::Key_Space, none, FocusKind::Other, PlaybackCommand::Toggle);
        row("space, button", Qt::Key_Space, none, FocusKind::Button, PlaybackCommand::None);
        row("space, tree", Qt::Key_Space, none, FocusKind::ArrowsUser, PlaybackCommand::Toggle);
        row("space, number box", Qt::Key_Space, none, FocusKind::NumberEntry, PlaybackCommand::Toggle);
        row("space, text field", Qt::Key_Space, none, FocusKind::TextEntry, PlaybackCommand::None);
        row("space, chooser", Qt::Key_Space, none, FocusKind::Chooser, PlaybackCommand::Toggle);
        row("right, chooser", Qt::Key_Right, none, FocusKind::Chooser, PlaybackCommand::Next);
        row("down, chooser", Qt::Key_Down, none, FocusKind::Chooser, PlaybackCommand::None);
        row("right, button", Qt::Key_Right, none, FocusKind::Button, PlaybackCommand::Next);
        row("right, tree", Qt::Key_Right, none, FocusKind::ArrowsUser, PlaybackCommand::None);
        row("left, picture", Qt::Key_Left, none, FocusKind::Other, PlaybackCommand::Previous);
        row("keypad left", Qt::Key_Left, Qt::KeypadModifier, FocusKind::Other, PlaybackCommand::Previous);
        row("left, number box", Qt::Key_Left, none, FocusKind::NumberEntry, PlaybackCommand::None);
        row("left, text field", Qt::Key_Left, none, FocusKind::TextEntry, PlaybackCommand::None);
        row("ctrl space, text field", Qt::Key_Space, ctrl, FocusKind::TextEntry, PlaybackCommand::Toggle);
        row("ctrl left, tree", Qt::Key_Left, ctrl, FocusKind::ArrowsUser, PlaybackCommand::Previous);
        row("ctrl right, chooser", Qt::Key_Right, ctrl, FocusKind::Chooser, PlaybackCommand::Next);
        row("shift space", Qt::Key_Space, Qt::ShiftModifier, FocusKind::Other, PlaybackCommand::None);
        row("ctrl shift right", Qt::Key_Right, ctrl | Qt::ShiftModifier, FocusKind::Other,
            PlaybackCommand::None);
        row("up is not ours", Qt::Key_Up, none, FocusKind::Other, PlaybackCommand::None);
        row("media play/pause", Qt::Key_MediaTogglePlayPause, none, FocusKind::TextEntry,
            PlaybackCommand::Toggle);
        row("media play", Qt::Key_MediaPlay, none, FocusKind::Button, PlaybackCommand::Play);
        row("media pause", Qt::Key_MediaPause, none, FocusKind::Other, PlaybackCommand::Stop);
        row("media stop", Qt::Key_MediaStop, none, FocusKind::Chooser, PlaybackCommand::Stop);
        row("media next", Qt::Key_MediaNext, none, FocusKind::ArrowsUser, PlaybackCommand::Next);
        row("media previous", Qt::Key_MediaPrevious, none, FocusKind::TextEntry, PlaybackCommand::Previous);
    }
    void playbackKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, focus);
        QFETCH(int, command);
        QCOMPARE(int(PlaybackCommandFor(key, Qt::KeyboardModifiers(modifiers), FocusKind(focus))), command);
    }

    void focusKinds()
    {
        Workspace ws;
        Varn window;
        const fixtures::Controls w = fixtures::C(window);
        QCOMPARE(FocusKindOf(w.playButton), FocusKind::Button);
        QCOMPARE(FocusKindOf(w.loopCheck), FocusKind::Button);
        QCOMPARE(FocusKindOf(w.heart), FocusKind::ArrowsUser);
        QCOMPARE(FocusKindOf(w.partSlider), FocusKind::ArrowsUser);
        QCOMPARE(FocusKindOf(w.chooser), FocusKind::Chooser);
        QCOMPARE(FocusKindOf(w.pauseSpin), FocusKind::NumberEntry);
        QCOMPARE(FocusKindOf(w.textPanel), FocusKind::Other); // read only
        QCOMPARE(FocusKindOf(w.ayaView), FocusKind::Other);
        QCOMPARE(FocusKindOf(nullptr), FocusKind::Other);
    }

    // Every message is rich text: an escaped name reads as itself, with no markup left over.
    void messagesAreRichText()
    {
        const QString text =
            QString::fromStdString(ProfileNameProblem("..")).toHtmlEscaped() + "<br>next line";
        const std::unique_ptr<QMessageBox> box = MakeMessageBox("Varnel", text);
        QCOMPARE(box->textFormat(), Qt::RichText);
        QCOMPARE(box->windowTitle(), QString("Varnel"));
        QTextDocument shown;
        shown.setHtml(box->text());
        QCOMPARE(shown.toPlainText(), QString("\"..\" cannot be a user name.\nnext line"));
    }

    void menus()
    {
        Workspace ws;
        Varn window;
        const fixtures::Controls w = fixtures::C(window);
        QStringList bar;
        for (const QAction* a : window.menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"&File", "&View", "&Recitor", "&Language", "&Help"}));
        // Import Recordings stands beside the original items, before Exit as a desktop program has it.
        QCOMPARE(Texts(w.file), QStringList({"&Save Profile", "&New/Load Profile", "&Preferences",
                                             "&Import Recordings...", "&Exit"}));
        QCOMPARE(Texts(w.view).mid(0, 2), QStringList({"&Show Transliteration", "&Hide Translation"}));
        QCOMPARE(w.view->actions()[0]->data().toInt(), 1);
        QCOMPARE(w.view->actions()[1]->data().toInt(), 0);
        QCOMPARE(IconOf(w.view, 0), QString("xmark.png"));
        QCOMPARE(IconOf(w.view, 1), QString("check.png"));
        QCOMPARE(Texts(w.recitor), QStringList({"&Config Recitor", "&Installed Packs..."}));
        QCOMPARE(Texts(w.help), QStringList({"&Help", "&About"}));
        QCOMPARE(Texts(w.language), QStringList({"English"}));
        for (const QMenu* m : {(QMenu*)w.file, (QMenu*)w.help})
            for (const QAction* a : m->actions())
                QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));

        // Triggering a View item runs ToggleEnglish with its id.
        w.view->Item(1)->trigger();
        QVERIFY(window.ShowTransliteration());
        QCOMPARE(w.view->Item(1)->text(), QString("&Hide Transliteration"));
        QCOMPARE(IconOf(w.view, 1), QString("xmark.png"));
        w.recitor->actions()[0]->trigger();
        QVERIFY(window.RecitorDialog()->isVisible());
        window.RecitorDialog()->hide();
    }

    void languageMenuWithAMissingPack()
    {
        Workspace ws;
        ws.Write("langs.ini", "fr.dat French\nde.dat German\nzh.dat Chinese.Simplified\n");
        QVERIFY(fixtures::WriteArchive(ws.Path("quran/lang/fr.dat"),
                                       {{"108.001.eng", "Nous t'avons accord\xc3\xa9 l'Abondance"}}));
        QVERIFY(fixtures::WriteArchive(ws.Path("quran/lang/zh.dat"), {{"108.001.eng", "\xe6\x88\x91"}}));
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        const fixtures::Controls w = fixtures::C(window);
        QCOMPARE(Texts(w.language), QStringList({"English", "French", "Chinese Simplified"}));
        QCOMPARE(w.language->actions()[2]->data().toInt(), 3);

        w.language->Item(3)->trigger();
        QVERIFY(window.LanguagePackChosen());
        QCOMPARE(IconOf(w.language, 3), QString("check.png"));
        QCOMPARE(IconOf(w.language, 0), QString("check2.png"));
        QCOMPARE(IconOf(w.language, 1), QString("check2.png"));

        window.ChangeLang(1);
        window.SetSura(fixtures::C(window).chooser->findText("108. Al-Kauther"));
        window.StopAya();
        window.SetArabic("108.001");
        QString text = w.textPanel->toPlainText();
        QVERIFY2(text.contains("French Translation:"), qPrintable(text));
        QVERIFY2(text.contains(QString::fromUtf8("accordé")), qPrintable(text));

        // A pack that cannot be opened shows an empty translation, not the previous language's text.
        QFile::remove(ws.Path("quran/lang/zh.dat"));
        window.ChangeLang(3);
        window.SetArabic("108.001");
        text = w.textPanel->toPlainText();
        QVERIFY(text.contains("Chinese Simplified Translation:"));
        QVERIFY(!text.contains(QString::fromUtf8("accordé")));
        QVERIFY(!text.contains(QString::fromUtf8("我")));

        // A choice in the menu changes the translation shown at once, not at the next aya.
        w.language->Item(1)->trigger();
        QVERIFY(w.textPanel->toPlainText().contains(QString::fromUtf8("accordé")));
        w.language->Item(0)->trigger();
        QVERIFY(!window.LanguagePackChosen());
        QCOMPARE(IconOf(w.language, 0), QString("check.png"));
        QCOMPARE(IconOf(w.language, 3), QString("check2.png"));
        QVERIFY(w.textPanel->toPlainText().contains("English Translation:\n"));
        QVERIFY(w.textPanel->toPlainText().contains("Translation of 108.001"));
    }

    void ayaDisplay()
    {
        Workspace ws;
        std::map<std::string, QByteArray> items = {
            {"002.001.png", fixtures::Png(600, 80)},
            {"002.002.png", fixtures::Png(601, 100)},
            {"002.001.eng", "This is the Book"},
            {"002.001.lit", "Thalika alkitabu l\xe9"}, // Latin-1 e-acute
        };
        QVERIFY(fixtures::WriteArchive(ws.Path("quran/s001_s002.dat"), items));
        Varn window;
        const fixtures::Controls w = fixtures::C(window);
        window.ActivateSura(w.chooser->findText("2. Al-Baqara"));
        window.Cursor()->SetSura("002");
        w.ayaView->resize(680, 300);

        window.SetArabic("002.001");
        QCOMPARE(w.ayaView->pixmap().size(), QSize(600, 80));
        QCOMPARE(w.ayaView->dragText, std::string("002.001"));
        QCOMPARE(window.Cursor()->CurrentAya(), 1);
        QCOMPARE(w.textPanel->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(w.textPanel->maximumHeight(), 300);
        window.SetArabic("002.002");
        QCOMPARE(w.ayaView->pixmap().size(), QSize(600, 99));
        QCOMPARE(w.ayaSlider->value(), 2);

        // Both blocks: the transliteration first, Latin-1 decoded.
        window.ToggleEnglish(1);
        window.SetArabic("002.001");
        const QString text = w.textPanel->toPlainText();
        QVERIFY2(text.startsWith("Transliteration:"), qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("alkitabu lé")));
        QVERIFY(text.indexOf("Transliteration:") < text.indexOf("English Translation:"));
        // A missing ".eng" keeps the heading over an empty body.
        window.SetArabic("002.002");
        QVERIFY(w.textPanel->toPlainText().trimmed().endsWith("English Translation:"));

        // Both off hides the panel; either on shows it and redraws the current aya.
        window.ToggleEnglish(0);
        QVERIFY(!w.textPanel->isHidden());
        window.ToggleEnglish(1);
        QVERIFY(w.textPanel->isHidden());
        QCOMPARE(w.view->Item(0)->text(), QString("&Show Translation"));
        window.ToggleEnglish(2);
        QVERIFY(w.textPanel->isHidden());
        window.Cursor()->SetAya(1);
        window.ToggleEnglish(0);
        QVERIFY(!w.textPanel->isHidden());
        QCOMPARE(window.CurrentKey(), std::string("002.001"));
        QVERIFY(w.textPanel->toPlainText().contains("This is the Book"));
    }

    void pixmapView()
    {
        QjPixmapView view;
        view.setFrameStyle(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(500, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy zoom(&view, &QjPixmapView::zoomChanged);
        QCOMPARE(view.contentsSize(), QSize(0, 0));

        QPixmap red(200, 100);
        red.fill(Qt::red);
        view.setPixmap(red);
        QCOMPARE(zoom.count(), 0);
        QCOMPARE(QjPixmapView::PictureOffset(QSize(200, 100), 1.0, QSize(500, 300)), QPoint(150, 100));
        QCOMPARE(QjPixmapView::PictureOffset(QSize(200, 100), 1.0, QSize(150, 80)), QPoint(0, 0));
        QCOMPARE(QjPixmapView::PictureOffset(QSize(201, 100), 1.0, QSize(500, 300)), QPoint(149, 100));
        const QImage shot = view.grab().toImage();
        QCOMPARE(shot.pixelColor(150, 100), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(349, 199), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(149, 99), QColor(Qt::white)); // the frame
        QCOMPARE(shot.pixelColor(10, 10), QColor(Qt::white));

        view.setZoom(2.0);
        QCOMPARE(view.contentsSize(), QSize(400, 200));
        QCOMPARE(zoom.count(), 1);
        QCOMPARE(zoom.first().at(0).toDouble(), 2.0);
        view.setZoom(2.0);
        QCOMPARE(zoom.count(), 1);
        const QImage zoomed = view.grab().toImage();
        QCOMPARE(zoomed.pixelColor(50, 50), QColor(Qt::red)); // offset (50, 50), kept under magnification
        QCOMPARE(zoomed.pixelColor(449, 249), QColor(Qt::red));

        view.resize(150, 80);
        view.setZoom(1.0);
        QCOMPARE(view.horizontalScrollBar()->maximum(), 50);
        QCOMPARE(view.verticalScrollBar()->maximum(), 20);
        view.setPixmap(QPixmap());
        QCOMPARE(view.contentsSize(), QSize(0, 0));
    }

    void dragSources()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114);
        Varn window;
        const fixtures::Controls w = fixtures::C(window);
        QTest::mousePress(w.ayaView->viewport(), Qt::LeftButton);
        QTest::mousePress(w.dragLabel, Qt::LeftButton);
        QVERIFY(ws.drags.empty()); // nothing to carry yet

        window.SetSura(w.chooser->findText("108. Al-Kauther"));
        window.StopAya();
        QCOMPARE(w.dragLabel->dragText, std::string("all.108"));
        QTest::mousePress(w.dragLabel, Qt::LeftButton);
        window.SetArabic("108.002");
        QTest::mousePress(w.ayaView->viewport(), Qt::RightButton);
        QCOMPARE(int(ws.drags.size()), 2);
        QCOMPARE(ws.drags[0].text, QString("all.108"));
        QCOMPARE(ws.drags[1].text, QString("108.002"));
        QVERIFY(!ws.drags[1].pixmap.isNull());
        QVERIFY(ws.drags[1].pixmap.width() <= 32);
        QCOMPARE(ws.drags[1].hotSpot, QPoint(0, 0));
        // Over the view and out again: one message with an empty text per exit.
        QSignalSpy left(w.ayaView, &Aya::message);
        QMimeData mime;
        mime.setText("anything");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.ayaView->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(QPoint(6, 6), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.ayaView->viewport(), &move);
        QVERIFY(!move.isAccepted()); // only copies are welcome
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(w.ayaView->viewport(), &leave);
        QCOMPARE(left.count(), 1);
        QCOMPARE(left.first().at(0).value<std::string>(), std::string());
        window.Msg("036.012");
        QCOMPARE(w.ayaView->dragText, std::string("036.012"));
    }

    void aboutAndHelp()
    {
        Workspace ws;
        Varn window;
        QVERIFY(!QFile::exists("varnel.chm"));
        window.Help();
        QWidget* guide = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowTitle() == "Varnel Help" && top->isVisible())
                guide = top;
        QVERIFY(guide);
        const QString html = qobject_cast<QTextBrowser*>(guide)->toPlainText();
        for (const char* control : {"Play Aya", "Repeat", "Pause", "FROM", "Loop Sura", "Stack Ayas",
                                    "Single Aya Mode", "Close Completed Suras", "Recitor", "Language",
                                    // and every addition: the practice aids, reading, review, the keys
                                    "Hide the aya", "Hide the translation", "Reveal", "Test me", "Pause in",
                                    "aya length", "Speed", "Night Reading", "Fit to Width", "Review now",
                                    "Again", "Hard", "Good", "Easy", "Ctrl+Space", "media keys"})
            QVERIFY2(html.contains(control), control);
    }

    // Where Varnel works: a folder holding img.vnl stays; --data chooses; else the learner's data folder.
    void workingFolder()
    {
        const QString before = QDir::currentPath();
        QTemporaryDir home, build, elsewhere;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        QString error;
        QFile::copy(qEnvironmentVariable("VARNEL_BIN") + "/img.vnl", build.filePath("img.vnl"));
        QDir::setCurrent(build.path());
        QVERIFY(EnterWorkingFolder({"varnel"}, &error));
        QCOMPARE(QDir::currentPath(), QDir(build.path()).canonicalPath());

        QDir::setCurrent(elsewhere.path());
        QVERIFY(EnterWorkingFolder({"varnel"}, &error));
        QCOMPARE(QDir::currentPath(), QDir(home.path()).canonicalPath() + "/varnel");

        QVERIFY(EnterWorkingFolder({"varnel", "--data", elsewhere.filePath("mine")}, &error));
        QCOMPARE(QDir::currentPath(), QDir(elsewhere.path()).canonicalPath() + "/mine");
        QVERIFY(QFile::exists(elsewhere.filePath("not-a-folder")) ||
                QFile(elsewhere.filePath("not-a-folder")).open(QIODevice::WriteOnly));
        QVERIFY(!EnterWorkingFolder({"varnel", "--data", elsewhere.filePath("not-a-folder")}, &error));
        QVERIFY(error.contains("not-a-folder"));
        QDir::setCurrent(before);
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
