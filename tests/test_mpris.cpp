// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's media controls, over a session bus of the test's own: PlayPause plays and stops as Space
// does, Next moves on, the playback status and the aya's metadata are told; without a bus nothing is
// registered and the window works as before.
#include "mpris.h"
#include "recitation_session.h"
#include "varn.h"
#include "window_helpers.h"
#include "workspace.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QDoubleSpinBox>
#include <QProcess>
#include <QStandardPaths>

namespace
{

// A property of the Player interface, read through the bus as a desktop applet reads it.
QVariant PlayerProperty(QDBusConnection& bus, const char* name)
{
    QDBusInterface properties(Mpris::kService, Mpris::kPath, "org.freedesktop.DBus.Properties", bus);
    const QDBusReply<QVariant> reply = properties.call("Get", "org.mpris.MediaPlayer2.Player", name);
    return reply.isValid() ? reply.value() : QVariant();
}

} // namespace

class TestMpris : public QObject
{
    Q_OBJECT

  private slots:
    void mediaControls()
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            QSKIP("SKIPPED: dbus-daemon is needed for a session bus of the test's own; the test did not run");
        QProcess busProcess;
        busProcess.start(daemon, {"--session", "--nofork", "--print-address=1"});
        QVERIFY(busProcess.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return busProcess.canReadLine(); }, 10000));
        const QString address = QString::fromLatin1(busProcess.readLine()).trimmed();
        {
            QDBusConnection bus = QDBusConnection::connectToBus(address, "mpris-test");
            QVERIFY(bus.isConnected());
            Workspace ws;
            ws.Pack("quran/s104_s114.dat", 104, 114, 300);
            ws.Write("config.ini", "0\n");
            Varn window;
            window.NewProfile("Amina");
            Mpris mpris(&window, window.Session(), window.Packs());
            QObject::connect(&mpris, &Mpris::RateRequested, fixtures::C(window).speedSpin,
                             &QDoubleSpinBox::setValue);
            QVERIFY(mpris.Register(bus));
            Mpris second(&window, window.Session(), window.Packs());
            QVERIFY(!second.Register(bus)); // the name is taken

            QDBusInterface player(Mpris::kService, Mpris::kPath, "org.mpris.MediaPlayer2.Player", bus);
            QVERIFY(player.isValid());
            QCOMPARE(PlayerProperty(bus, "PlaybackStatus").toString(), QString("Stopped"));
            player.call("PlayPause");
            QTRY_VERIFY(window.Session()->Playing());
            QCOMPARE(PlayerProperty(bus, "PlaybackStatus").toString(), QString("Playing"));
            const QVariantMap metadata =
                qdbus_cast<QVariantMap>(PlayerProperty(bus, "Metadata").value<QDBusArgument>());
            QCOMPARE(metadata.value("xesam:title").toString(), QString::fromUtf8("114:1 \u00b7 An-Nas"));
            QCOMPARE(metadata.value("xesam:album").toString(), QString("An-Nas"));
            QCOMPARE(metadata.value("xesam:artist").toStringList(), QStringList{"The default recitation"});
            QVERIFY2(qAbs(metadata.value("mpris:length").toLongLong() - 300000) < 60000,
                     qPrintable(metadata.value("mpris:length").toString()));
            // The speed is the rate, within Varnel's range, and a rate set is the Speed box's.
            QCOMPARE(PlayerProperty(bus, "MinimumRate").toDouble(), 0.5);
            QCOMPARE(PlayerProperty(bus, "MaximumRate").toDouble(), 1.5);
            fixtures::C(window).speedSpin->setValue(0.75);
            QCOMPARE(PlayerProperty(bus, "Rate").toDouble(), 0.75);
            QVERIFY(player.setProperty("Rate", 1.25));
            QTRY_COMPARE(fixtures::C(window).speedSpin->value(), 1.25);
            QCOMPARE(window.Session()->Speed(), 1.25);
            player.setProperty("Rate", 9.0);
            QTRY_COMPARE(fixtures::C(window).speedSpin->value(), 1.5);
            player.call("Next");
            QTRY_COMPARE(window.CurrentKey(), std::string("114.002"));
            player.call("PlayPause");
            QTRY_VERIFY(!window.Session()->Playing());
            QCOMPARE(PlayerProperty(bus, "PlaybackStatus").toString(), QString("Stopped"));
            QDBusInterface root(Mpris::kService, Mpris::kPath, "org.mpris.MediaPlayer2", bus);
            QCOMPARE(root.property("Identity").toString(), QString("Varnel"));
        }
        QDBusConnection::disconnectFromBus("mpris-test");
        busProcess.terminate();
        busProcess.waitForFinished(3000);

        // No bus: nothing registered, and nothing else changes.
        Workspace ws;
        Varn window;
        Mpris mpris(&window, window.Session(), window.Packs());
        QVERIFY(!mpris.Register(QDBusConnection(QString())));
    }
};

QTEST_MAIN(TestMpris)
#include "test_mpris.moc"
