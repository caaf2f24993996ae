// SPDX-License-Identifier: GPL-3.0-or-later
// The OpenAL checker: a failing call is named with its file and line, a good one passes its value on.
#include "al_check.h"

#include <QTest>

class TestAlCheck : public QObject
{
    Q_OBJECT

  private slots:
    void aFailureIsNamedWhereItHappened()
    {
        ALCint value = 0;
        const int line = __LINE__ + 1;
        const bool ok = ALC_CHECK(nullptr, alcGetIntegerv(nullptr, ALC_MAJOR_VERSION, 0, &value));
        QVERIFY(!ok);
        const sound::AlFailure failure = sound::LastAlFailure();
        QCOMPARE(QString::fromStdString(failure.call),
                 QString("alcGetIntegerv(nullptr, ALC_MAJOR_VERSION, 0, &value)"));
        QVERIFY(QString::fromStdString(failure.file).endsWith("test_al_check.cpp"));
        QCOMPARE(failure.line, line);
        QVERIFY2(failure.error == "ALC_INVALID_VALUE" || failure.error == "ALC_INVALID_DEVICE",
                 failure.error.c_str());

        // A call that works gives its value, and leaves the last failure as it was.
        const ALCboolean present =
            ALC_CHECK(nullptr, alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT"));
        QVERIFY(present == ALC_TRUE || present == ALC_FALSE);
        QCOMPARE(sound::LastAlFailure().line, line);
    }
};

QTEST_GUILESS_MAIN(TestAlCheck)
#include "test_al_check.moc"
