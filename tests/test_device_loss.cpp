// SPDX-License-Identifier: GPL-3.0-or-later
// An output device that goes away while the session plays: OpenAL Soft's wave driver writing into a
// full disk (/dev/full) loses its device, as an unplugged headset does.
#include "fixtures.h"
#include "messages.h"
#include "naming.h"
#include "recitation_session.h"
#include "sound_messages.h"
#include "whole.h"

#include <QApplication>
#include <QFile>
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
