// SPDX-License-Identifier: GPL-3.0-or-later
// The practice aids: self-test rules, hide and reveal, Test me, pauses that fit the aya, the status line,
// Night Reading and zoom, and what they remember.
#include "aya.h"
#include "draglabel.h"
#include "file_write.h"
#include "id_menu.h"
#include "profile_file.h"
#include "recitation_session.h"
#include "self_test.h"
#include "single.h"
#include "stack.h"
#include "varn.h"
#include "whole.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBrowser>
#include <QWheelEvent>
#include <sys/stat.h>

using fixtures::ViewAction;

namespace
{

// Relative luminance, as the web's contrast rules define it.
double Luminance(const QColor& c)
{
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// Text and page at a contrast of at least 4.5 to 1, the usual rule for reading.
bool Readable(const QWidget* w, QPalette::ColorRole page, QPalette::ColorRole text)
{
    const double a = Luminance(w->palette().color(page)), b = Luminance(w->palette().color(text));
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 4.5;
}

} // namespace

class TestAids : public QObject
{
    Q_OBJECT

  private slots:
    void selfTestRules()
    {
        SelfTest t;
        QCOMPARE(t.PictureHidden(), 0.0);
        t.SetHideAya(true);
        QCOMPARE(t.PictureHidden(), 1.0);
        QVERIFY(!t.TranslationHidden());
        for (double left : {0.8, 0.6, 0.4, 0.2, 0.0, 0.0}) {
            t.Reveal();
            QVERIFY(qAbs(t.PictureHidden() - left) < 1e-9);
        }
        t.NewAya();
        QCOMPARE(t.PictureHidden(), 1.0);
        t.SetHideAya(false);
        t.SetHideTranslation(true);
        QVERIFY(t.TranslationHidden() && t.PictureHidden() == 0.0);
        t.RevealAll();
        QVERIFY(!t.TranslationHidden());

        SelfTest test;
        test.SetTestMe(true);
        QVERIFY(!test.Covered());
        test.PauseStarted();
        QVERIFY(test.PictureHidden() == 1.0 && test.TranslationHidden());
        test.PauseEnded();
        QVERIFY(!test.Covered());

        SelfTest read;
        QVERIFY(read.Parse(t.Serialize()));
        QVERIFY(!read.HideAya() && read.HideTranslation() && !read.TestMe());
        QVERIFY(!read.Parse("something else\n"));
        QVERIFY(!read.Parse("varnel-aids 1\nhide-aya 7\n"));
    }

    void hideRevealAndRemember()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        ws.Write("config.ini", "0\n");
        {
            Varn window;
            window.NewProfile("Amina");
            window.SetArabic("114.001");
            ViewAction(window, "Hide the aya")->trigger();
            ViewAction(window, "Hide the translation")->trigger();
            QCOMPARE(fixtures::C(window).ayaView->Hidden(), 1.0);
            QVERIFY(fixtures::C(window).textPanel->toPlainText().contains("Hidden"));
            ViewAction(window, "Reveal")->trigger();
            QVERIFY(qAbs(fixtures::C(window).ayaView->Hidden() - 0.8) < 1e-9);
            QTest::mouseClick(fixtures::C(window).ayaView->viewport(), Qt::LeftButton); // all of it
            QCOMPARE(fixtures::C(window).ayaView->Hidden(), 0.0);
            QVERIFY(fixtures::C(window).textPanel->toPlainText().contains("Translation of 114.001"));
            QVERIFY(ws.drags.empty());   // that click revealed; it started no drag
            window.SetArabic("114.002"); // the next aya starts hidden again
            QCOMPARE(fixtures::C(window).ayaView->Hidden(), 1.0);
            QCOMPARE(ws.Read("profiles/Amina.aids"),
                     QByteArray("varnel-aids 1\nhide-aya 1\nhide-translation 1\ntest-me 0\n"));
            window.SaveProfile(); // the profile keeps its own bytes; the aids live beside it
            QCOMPARE(ws.Read("profiles/Amina.varn"),
                     SerializeProfile(ProfileData{"Amina", {}, "114.002", true}));
        }
        {
            Varn again;
            again.LoadProfile("Amina");
            QVERIFY(ViewAction(again, "Hide the aya")->isChecked());
            QCOMPARE(fixtures::C(again).ayaView->Hidden(), 1.0);
            QVERIFY(ws.messages.isEmpty());
        }
        // A damaged file is told once and kept as a .bak; the aids start switched off.
        ws.Write("profiles/Amina.aids", "varnel-aids 1\nhide-aya 7\n");
        Varn damaged;
        damaged.LoadProfile("Amina");
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY2(ws.messages[0].contains("Amina.aids.bak"), qPrintable(ws.messages[0]));
        QCOMPARE(ws.Read("profiles/Amina.aids.bak"), QByteArray("varnel-aids 1\nhide-aya 7\n"));
        QVERIFY(!ViewAction(damaged, "Hide the aya")->isChecked());
    }

    // Test me hides the aya exactly while the pause after it runs.
    void testMeDuringPauses()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 200);
        ws.Write("config.ini", "0\n");
        Varn window;
        window.NewProfile("Bilal");
        fixtures::C(window).testMeCheck->setChecked(true);
        fixtures::C(window).pauseSpin->setValue(1);
        fixtures::C(window).playButton->click();
        QVERIFY(fixtures::WaitFor([&] { return window.Session()->Pausing(); }, 3000));
        QCOMPARE(fixtures::C(window).ayaView->Hidden(), 1.0);
        QVERIFY(fixtures::C(window).textPanel->toPlainText().contains("Hidden"));
        QVERIFY(fixtures::C(window).statusLine->text().contains("pause 1 s"));
        QVERIFY(fixtures::WaitFor([&] { return !window.Session()->Pausing(); }, 3000));
        QCOMPARE(fixtures::C(window).ayaView->Hidden(), 0.0);
        window.StopAya();
        QVERIFY(!fixtures::C(window).playButton->isDown());
    }

    void pausesThatFitTheAya()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        ws.Write("config.ini", "0\n");
        Varn window;
        QVERIFY(fixtures::C(window).pauseFactor->isHidden());
        fixtures::C(window).pauseUnit->setCurrentIndex(1);
        QVERIFY(!fixtures::C(window).pauseFactor->isHidden());
        fixtures::C(window).pauseFactor->setValue(1.5);
        QCOMPARE(window.Session()->PauseFactor(), 1.5);
        QCOMPARE(window.Session()->WholeDrill()->Player()->PauseFactor(), 1.5);
        QSettings settings("varnel.ini", QSettings::IniFormat);
        QCOMPARE(settings.value("pause/unit").toInt(), 1);
        QCOMPARE(settings.value("pause/factor").toDouble(), 1.5);
        QCOMPARE(ws.Read("config.ini"), QByteArray("0\n"));
        Varn again; // remembered by the working folder
        QCOMPARE(fixtures::C(again).pauseUnit->currentIndex(), 1);
        QCOMPARE(again.Session()->PauseFactor(), 1.5);
        fixtures::C(again).pauseUnit->setCurrentIndex(0);
        QCOMPARE(again.Session()->PauseFactor(), 0.0);

        // Speed: ] and [ step it by 0.05; every drill plays at it; the working folder keeps it.
        ViewAction(again, "Faster")->trigger();
        ViewAction(again, "Faster")->trigger();
        ViewAction(again, "Slower")->trigger();
        QCOMPARE(fixtures::C(again).speedSpin->value(), 1.05);
        QCOMPARE(again.Session()->WholeDrill()->Player()->Speed(), 1.05);
        QCOMPARE(again.Session()->SingleDrill()->Player()->Speed(), 1.05);
        QCOMPARE(QSettings("varnel.ini", QSettings::IniFormat).value("sound/speed").toDouble(), 1.05);
        QCOMPARE(ws.Read("config.ini"), QByteArray("0\n"));
        Varn third;
        QCOMPARE(third.Session()->StackDrill()->Player()->Speed(), 1.05);
    }

    void statusLine()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 300);
        ws.Write("config.ini", "0\n");
        Varn window;
        window.NewProfile("Zaid");
        fixtures::C(window).repeatSpin->setValue(2);
        fixtures::C(window).playButton->click();
        QCOMPARE(fixtures::C(window).statusLine->text(), QString::fromUtf8("Aya 1 of 6 · repetition 1 of 2"));
        QVERIFY(fixtures::C(window).playButton->isDown());
        QCOMPARE(fixtures::C(window).playButton->accessibleDescription(), QString("Playing"));
        QCOMPARE(fixtures::C(window).statusLine->accessibleDescription(),
                 fixtures::C(window).statusLine->text());
        window.StopAya();
        QCOMPARE(fixtures::C(window).statusLine->text(), QString("Aya 1 of 6"));
        fixtures::C(window).stackCheck->setChecked(true);
        fixtures::C(window).playButton->click();
        QVERIFY(fixtures::C(window).statusLine->text().startsWith(
            QString::fromUtf8("Stack 1-1, pass 1 · aya 1")));
        window.StopAya();
        fixtures::C(window).stackCheck->setChecked(false);
        fixtures::C(window).singleCheck->setChecked(true);
        // The part set in the single-aya bar's boxes shows at once.
        fixtures::C(window).endSpin->setValue(250);
        fixtures::C(window).startSpin->setValue(100);
        QCOMPARE(fixtures::C(window).statusLine->text(),
                 QString::fromUtf8("Aya 1 of 6 · part from 0.10 to 0.25 s"));
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
    }

    void nightReadingAndDarkDesktops()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        ws.Write("config.ini", "0\n");
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x18, 0x18, 0x18));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        {
            Varn window;
            // Every forced page keeps readable text on a dark desktop: the red panel, the title, the white
            // page.
            QVERIFY(Readable(fixtures::C(window).textPanel, QPalette::Base, QPalette::Text));
            QVERIFY(Readable(fixtures::C(window).title, QPalette::Window, QPalette::WindowText));
            window.NewProfile("Night");
            window.SetArabic("114.001");
            QVERIFY(Readable(fixtures::C(window).textPanel, QPalette::Base, QPalette::Text));
            QCOMPARE(fixtures::C(window).textPanel->palette().color(QPalette::Base), QColor(Qt::white));

            const QImage day = fixtures::C(window).ayaView->pixmap().toImage();
            ViewAction(window, "&Night Reading")->trigger();
            QVERIFY(Luminance(fixtures::C(window).textPanel->palette().color(QPalette::Base)) < 0.2);
            QVERIFY(Readable(fixtures::C(window).textPanel, QPalette::Base, QPalette::Text));
            QVERIFY(Readable(fixtures::C(window).title, QPalette::Window, QPalette::WindowText));
            const QImage night = fixtures::C(window).ayaView->pixmap().toImage();
            QCOMPARE(night.size(), day.size());
            QVERIFY(!day.isNull());
            const QPoint middle(day.width() / 2, day.height() / 2);
            const QColor d = day.pixelColor(middle), n = night.pixelColor(middle);
            QCOMPARE(n.red(), 255 - d.red()); // light ink on dark: the colours turned round
            QVERIFY(QSettings("varnel.ini", QSettings::IniFormat).value("view/night").toBool());
        }
        QApplication::setPalette(light);
    }

    void zoom()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        ws.Write("config.ini", "0\n");
        Varn window;
        window.NewProfile("Zoom");
        fixtures::C(window).ayaView->resize(900, 300);
        window.SetArabic("114.001");
        const int width = fixtures::C(window).ayaView->pixmap().width();
        QVERIFY(width > 0);
        QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(fixtures::C(window).ayaView->viewport(), &wheel);
        QCOMPARE(fixtures::C(window).ayaView->ReaderZoom(), 1.25);
        QCOMPARE(fixtures::C(window).ayaView->pixmap().width(), int(std::lround(width * 1.25)));
        ViewAction(window, "Fit to Width")->trigger();
        QCOMPARE(fixtures::C(window).ayaView->pixmap().width(), 900 - Aya::kFitMargin);
        ViewAction(window, "Zoom In")->trigger();
        QVERIFY(fixtures::C(window).ayaView->ReaderZoom() > 1.25);
        QVERIFY(QSettings("varnel.ini", QSettings::IniFormat).value("view/zoom").toDouble() > 1.25);
    }

    // The settings file as the window meets it: a FIFO neither hangs the start nor stays; a settings file
    // that cannot be written is told once, and the settings hold for the run.
    void settingsFileInTheWay()
    {
        {
            Workspace ws;
            ws.Pack("quran/s104_s114.dat", 104, 114, 150);
            QVERIFY(::mkfifo("varnel.ini", 0600) == 0);
            Varn window;
            fixtures::C(window).speedSpin->setValue(0.8);
            QVERIFY(IsReadableRegularFile("varnel.ini"));
            QVERIFY(ws.Read("varnel.ini").contains("speed=0.8"));
            QVERIFY(ws.messages.isEmpty());
        }
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        QVERIFY(QDir().mkdir("varnel.ini"));
        Varn window;
        fixtures::C(window).speedSpin->setValue(0.8);
        ViewAction(window, "&Night Reading")->trigger();
        QCOMPARE(ws.messages.size(), 1);
        QVERIFY(ws.messages[0].contains("could not be saved in varnel.ini"));
        QCOMPARE(window.Session()->WholeDrill()->Player()->Speed(), 0.8);
    }

    // The View menu keeps its text toggles apart from the practice aids, which have a submenu; their
    // keys work from the window.
    void practiceMenu()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 150);
        Varn window;
        window.NewProfile("Menus");
        fixtures::ShowActive(window);
        QStringList top;
        for (QAction* a : fixtures::C(window).view->actions())
            top << a->text();
        QVERIFY2(!top.contains("Hide the aya") && !top.contains("Hide the translation") &&
                     top.contains("&Practice"),
                 qPrintable(top.join('|')));
        QStringList practice;
        for (QAction* a : fixtures::C(window).practice->actions())
            if (!a->isSeparator())
                practice << a->text();
        QCOMPARE(practice,
                 QStringList({"Hide the aya", "Hide the translation", "Reveal", "Slower", "Faster",
                              "Snap the Part to Words", "Add Passage to Heart", "Record My Recitation",
                              "Play Mine", "Compare with the Reciter", "Check My Recitation"}));
        // Each keeps its key for the whole window, wherever its menu is.
        for (const char* name : {"Hide the aya", "Reveal", "Slower", "Faster", "Record My Recitation"}) {
            QAction* a = ViewAction(window, name);
            QVERIFY(!a->shortcut().isEmpty());
            QVERIFY(a->associatedObjects().contains(&window));
        }
        ViewAction(window, "Faster")->trigger();
        QCOMPARE(fixtures::C(window).speedSpin->value(), 1.05);
    }

    // After every zoom step, fit and new aya, the line of text stays in view, even when it lies low in
    // a tall picture; a picture wider than the view shows its right end, where the line begins.
    void zoomKeepsTheTextInView()
    {
        Workspace ws;
        QImage tall(600, 400, QImage::Format_RGB32);
        tall.fill(Qt::white);
        QPainter(&tall).fillRect(40, 300, 520, 40, Qt::black); // the line, low in the picture
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(tall.save(&buffer, "PNG"));
        QVERIFY(fixtures::WriteArchive(ws.Path("quran/s104_s114.dat"),
                                       {{"112.001.png", png}, {"112.002.png", png}, {"112.001.eng", "x"}}));
        QCOMPARE(InkRows(tall), std::make_pair(0.75, 0.85));
        Varn window;
        window.NewProfile("Zoom");
        window.resize(1000, 700);
        fixtures::ShowActive(window);
        Aya* view = fixtures::C(window).ayaView;
        auto lineInView = [view] {
            const double h = view->contentsSize().height();
            const int top = view->verticalScrollBar()->value(), seen = view->viewport()->height();
            return top <= int(0.75 * h) && int(0.85 * h) <= top + seen;
        };
        window.SetArabic("112.001");
        ViewAction(window, "Fit to Width")->trigger();
        QVERIFY(lineInView());
        for (int step = 0; step < 3; ++step) {
            ViewAction(window, "Zoom In")->trigger();
            QVERIFY2(lineInView(), qPrintable(QString::number(step)));
        }
        QCOMPARE(view->horizontalScrollBar()->value(), view->horizontalScrollBar()->maximum());
        view->verticalScrollBar()->setValue(0);
        window.SetArabic("112.002");
        QVERIFY(lineInView());
    }

    // A picture drawn at twice the resolution says so in its dots per metre and takes half the room.
    void highDensityPictures()
    {
        Workspace ws;
        QImage sharp(800, 120, QImage::Format_RGB32);
        sharp.fill(Qt::darkGreen);
        sharp.setDotsPerMeterX(2 * 3780);
        sharp.setDotsPerMeterY(2 * 3780);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(sharp.save(&buffer, "PNG"));
        QVERIFY(fixtures::WriteArchive(ws.Path("quran/s104_s114.dat"),
                                       {{"114.001.png", png}, {"114.001.eng", "x"}}));
        Varn window;
        window.NewProfile("Sharp");
        fixtures::C(window).ayaView->resize(900, 300);
        window.SetArabic("114.001");
        QCOMPARE(fixtures::C(window).ayaView->pixmap().deviceIndependentSize().toSize(), QSize(400, 60));
        QCOMPARE(fixtures::C(window).ayaView->contentsSize(), QSize(400, 60));
    }
};

QTEST_MAIN(TestAids)
#include "test_aids.moc"
