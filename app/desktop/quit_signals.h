// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program on SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, Ctrl+C in a terminal) as the
// Exit menu item ends it: through the event loop, so that aboutToQuit() runs and the profile is saved.
#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

class QuitSignals : public QObject
{
    Q_OBJECT
  public:
    // Installs the handlers; they last as long as this object. The handler only writes one byte to a
    // pipe, which is safe in a signal handler; the event loop reads it and quits the application.
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // False when the pipe or the handlers could not be set up (the signals then end the program as
    // they would without us).
    bool Installed() const { return installed_; }

  signals:
    // The signal's number, before the application is asked to quit.
    void Received(int signalNumber);

  private:
    void Drain();

    std::unique_ptr<QSocketNotifier> notifier_; // gone before the socket it watches is closed
    bool installed_ = false;
};
