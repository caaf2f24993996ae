// SPDX-License-Identifier: GPL-3.0-or-later
// An output device that goes away while the session plays: OpenAL Soft's wave driver writing into a
// full disk (/dev/full) loses its device, as an unplugged headset does.
#include "fixtures.h"
#include "messages.h"
#include "naming.h"
#include "recitation_session.h"
#include "sound_messages.h"
#include "varn.h"
#include "whole.h"
#include "window_controls.h"
#include "workspace.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestDeviceLoss : public QObject
{
    Q_OBJECT
    QStringList messages_;

  private slots:
    void initTestCase()
    {
        SetMessagePresenter(
            [this](const QString& title, const QString& text) { messages_ << title + "|" + text; });
    }

    void theDrillStopsAndSaysSoOnce()
    {
        if (!QFile::exists("/dev/full"))
            QSKIP("SKIPPED: this machine has no /dev/full to make the output device fail");
        QTemporaryDir dir;
        std::map<std::string, QByteArray> items;
        for (int aya = 1; aya <= 6; ++aya)
            items[AyaKey("114", aya) + ".ogg"] = fixtures::ToneOgg(1500);
        QVERIFY(fixtures::WriteArchive(dir.filePath("pack.dat"), items));
        RecitationSession session;
        if (!session.WholeDrill()->Player()->HasOutput())
            QSKIP("SKIPPED: the wave driver could not open /dev/full here");
        session.SetPack(fixtures::OpenArchive(dir.filePath("pack.dat")));
        session.ChooseSura(114);
        SoundMessages sounds;
        sounds.Watch(&session);
        QSignalSpy lost(&session, &RecitationSession::OutputLost);
        QSignalSpy shown(&session, &RecitationSession::AyaShown);
        session.Start();
        QVERIFY(fixtures::WaitFor([&] { return lost.count() > 0; }, 5000));
        QVERIFY(!session.Busy());
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].startsWith("Sound Error|The sound output device stopped working"),
                 qPrintable(messages_[0]));

        // No stepping through the sura in silence, and no second box when the learner presses Play.
        const int ayasStarted = shown.count();
        fixtures::Idle(2000);
        QCOMPARE(shown.count(), ayasStarted);
        session.Play();
        fixtures::Idle(500);
        QCOMPARE(messages_.size(), 1);
        // And nothing says it plays: the Play button is not left pressed.
        QVERIFY(!session.Busy());
        QVERIFY(!session.Playing());
        session.Stop();
    }

    // In the window, with the device lost, Play does not stay pressed, nor the status line say it plays
    // (the loss was told above, once).
    void playIsReleased()
    {
        Workspace ws;
        ws.Pack("quran/s104_s114.dat", 104, 114, 1500);
        Varn window;
        window.NewProfile("Amina");
        if (!window.Session()->WholeDrill()->Player()->HasOutput())
            QSKIP("SKIPPED: the wave driver could not open /dev/full here");
        QPushButton* play = fixtures::C(window).playButton;
        play->click();
        QVERIFY(play->isDown());
        QVERIFY(fixtures::WaitFor([&] { return !play->isDown(); }, 5000));
        QVERIFY(play->accessibleDescription().isEmpty());
        QVERIFY2(!fixtures::C(window).statusLine->text().contains("repetition"),
                 qPrintable(fixtures::C(window).statusLine->text()));
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    // OpenAL Soft reads its configuration when it is first used: the wave driver, into a full disk.
    const QString conf = dir.filePath("alsoft.conf");
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write("[general]\ndrivers = wave\n[wave]\nfile = /dev/full\n");
    f.close();
    qputenv("ALSOFT_CONF", conf.toUtf8());
    qputenv("ALSOFT_DRIVERS", "wave");
    QApplication app(argc, argv);
    TestDeviceLoss test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_device_loss.moc"
