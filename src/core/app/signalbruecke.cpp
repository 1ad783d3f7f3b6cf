#include "app/signalbruecke.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {
#ifdef Q_OS_UNIX
constexpr int kSignale[] = {SIGTERM, SIGINT, SIGHUP};
std::atomic<int> g_signal{0};
int g_paar[2] = {-1, -1};

extern "C" void beiSignal(int sig) {
    g_signal.store(sig);
    // The next one of this kind is the word that the program must end now.
    ::signal(sig, SIG_DFL);
    const int gerettet = errno;
    const char c = char(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_paar[0], &c, 1);
    errno = gerettet;
}

void behandeln(int sig, void (*handler)(int)) {
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(sig, &sa, nullptr);
}
#endif
} // namespace

SignalBruecke::SignalBruecke(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_paar) != 0)
        return;
    for (const int fd : g_paar) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    m_notifier = new QSocketNotifier(g_paar[1], QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char puffer[16];
        while (::read(g_paar[1], puffer, sizeof puffer) > 0) {
        }
        if (m_gemeldet)
            return;
        m_gemeldet = true;
        emit angekommen(g_signal.load());
    });
    for (const int sig : kSignale)
        behandeln(sig, beiSignal);
#endif
}

void SignalBruecke::freigeben() {
    if (m_notifier)
        m_notifier->setEnabled(true);
}

SignalBruecke::~SignalBruecke() {
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    for (const int sig : kSignale)
        behandeln(sig, SIG_DFL);
    delete m_notifier;
    m_notifier = nullptr;
    for (int& fd : g_paar) {
        ::close(fd);
        fd = -1;
    }
#endif
}
