#include "editor/signalquit.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int sockets[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &byte, 1);
}

} // namespace

SignalQuit::SignalQuit(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return;
    m_notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, this);
    // The byte is taken through Qt's file layer once the notifier says it
    // is there, so the read never waits.
    m_reader.open(sockets[1], QIODevice::ReadOnly | QIODevice::Unbuffered,
                  QFileDevice::DontCloseHandle);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        m_reader.read(1);
        emit quitRequested();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

SignalQuit::~SignalQuit()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    for (int &socket : sockets)
        if (socket >= 0)
            ::close(std::exchange(socket, -1));
}
