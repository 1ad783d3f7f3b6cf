#include "app/signalbruecke.h"

#include <QSocketNotifier>
#include <QTimer>

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
int g_paar[2] = {-1, -1};
#else
constexpr int kSignale[] = {SIGTERM, SIGINT};
#endif
std::atomic<int> g_signal{0};

extern "C" void beiSignal(int sig) {
    g_signal.store(sig);
    // The next one, of whatever kind (Ctrl-C, then a closed terminal or a stop), is the word
    // that the program must end now.
    for (const int s : kSignale)
        std::signal(s, SIG_DFL);
#ifdef Q_OS_UNIX
    const int gerettet = errno;
    const char c = char(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_paar[0], &c, 1);
    errno = gerettet;
#endif
}

void behandeln(int sig, void (*handler)(int)) {
#ifdef Q_OS_UNIX
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    // Calls the signal interrupts are taken up again: the socket pair carries the news.
    sa.sa_flags = SA_RESTART;
    ::sigaction(sig, &sa, nullptr);
#else
    std::signal(sig, handler);
#endif
}
} // namespace

SignalBruecke::SignalBruecke(QObject* parent) : QObject(parent) {
    g_signal.store(0);
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_paar) == 0) {
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
            melden();
        });
    }
#endif
    if (!m_notifier) {
        // Without a socket pair the flag is looked at often enough for a person's key press.
        m_abfrage = new QTimer(this);
        connect(m_abfrage, &QTimer::timeout, this, [this] {
            if (g_signal.load() != 0)
                melden();
        });
    }
    for (const int sig : kSignale)
        behandeln(sig, beiSignal);
}

void SignalBruecke::freigeben() {
    if (m_notifier)
        m_notifier->setEnabled(true);
    if (m_abfrage && !m_gemeldet)
        m_abfrage->start(50);
}

void SignalBruecke::melden() {
    if (m_gemeldet)
        return;
    m_gemeldet = true;
    if (m_abfrage)
        m_abfrage->stop();
    emit angekommen(g_signal.load());
}

SignalBruecke::~SignalBruecke() {
    for (const int sig : kSignale)
        behandeln(sig, SIG_DFL);
#ifdef Q_OS_UNIX
    delete m_notifier;
    m_notifier = nullptr;
    for (int& fd : g_paar) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
#endif
}
