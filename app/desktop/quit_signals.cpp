// SPDX-License-Identifier: GPL-3.0-or-later
#include "quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipeEnds[2] = {-1, -1}; // [0] read by the event loop, [1] written by the handler

void OnSignal(int number)
{
    const int saved = errno;
    const char byte = char(number);
    // Nothing but write(): the one thing here that is safe in a handler. A full pipe already wakes the loop.
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent)
{
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &QuitSignals::Drain);
    struct sigaction action {
    };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = true;
    for (int number : kSignals)
        installed_ = ::sigaction(number, &action, nullptr) == 0 && installed_;
}

QuitSignals::~QuitSignals()
{
    if (pipeEnds[0] < 0)
        return;
    for (int number : kSignals)
        std::signal(number, SIG_DFL);
    notifier_.reset();
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void QuitSignals::Drain()
{
    char byte = 0;
    if (::read(pipeEnds[0], &byte, 1) != 1)
        return;
    emit Received(int(static_cast<unsigned char>(byte)));
    QCoreApplication::quit();
}
