#include "interrupt.h"

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
std::atomic<int> g_signal{0};
#ifdef Q_OS_UNIX
int g_pipe[2] = {-1, -1};
#endif

extern "C" void onSignal(int sig) {
    g_signal.store(sig);
    // The next one is the user's word that the program must end now.
    std::signal(sig, SIG_DFL);
#ifdef Q_OS_UNIX
    const int saved = errno;
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &c, 1);
    errno = saved;
#endif
}

void handle(int sig, void (*handler)(int)) {
#ifdef Q_OS_UNIX
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    // Calls the signal interrupts are taken up again: the pipe carries the news.
    sa.sa_flags = SA_RESTART;
    ::sigaction(sig, &sa, nullptr);
#else
    std::signal(sig, handler);
#endif
}
} // namespace

Interrupt::Interrupt(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) == 0) {
        ::fcntl(g_pipe[0], F_SETFL, ::fcntl(g_pipe[0], F_GETFL) | O_NONBLOCK);
        ::fcntl(g_pipe[1], F_SETFL, ::fcntl(g_pipe[1], F_GETFL) | O_NONBLOCK);
        ::fcntl(g_pipe[0], F_SETFD, FD_CLOEXEC);
        ::fcntl(g_pipe[1], F_SETFD, FD_CLOEXEC);
        m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char buf[16];
            while (::read(g_pipe[1], buf, sizeof buf) > 0) {
            }
            take();
        });
    }
#endif
    if (!m_notifier) {
        // Without a pipe the flag is looked at often enough for a person's key press.
        m_poll = new QTimer(this);
        connect(m_poll, &QTimer::timeout, this, [this] {
            if (g_signal.load() != 0)
                take();
        });
        m_poll->start(50);
    }
    handle(SIGINT, onSignal);
    handle(SIGTERM, onSignal);
#ifdef Q_OS_UNIX
    // A reader that goes away ("| head") must not kill the program in the middle of a
    // transfer: the write fails instead, and the run ends in order.
    handle(SIGPIPE, SIG_IGN);
#endif
}

Interrupt::~Interrupt() {
    handle(SIGINT, SIG_DFL);
    handle(SIGTERM, SIG_DFL);
#ifdef Q_OS_UNIX
    delete m_notifier;
    m_notifier = nullptr;
    for (int& fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
#endif
}

void Interrupt::take() {
    if (m_triggered)
        return;
    m_triggered = true;
    if (m_poll)
        m_poll->stop();
    emit interrupted();
}
