#include "ptypair.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {
void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
}
} // namespace

PtyPair::PtyPair(QObject* parent) : QObject(parent) {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    // A program started from this process must not inherit our end of the line, or a
    // simulated hang-up would never reach the loader.
    if (fd >= 0)
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    if (fd < 0)
        return;
    if (grantpt(fd) != 0 || unlockpt(fd) != 0) {
        ::close(fd);
        return;
    }
    char name[128] = {};
    if (ptsname_r(fd, name, sizeof name) != 0) {
        ::close(fd);
        return;
    }
    m_master = fd;
    m_slavePath = QString::fromLocal8Bit(name);
    makeRaw(m_master);
    // Holding the slave open keeps the master readable while the loader closes and opens
    // its port, and lets us put the slave side into raw mode before anyone uses it.
    m_slaveKeep = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slaveKeep >= 0)
        makeRaw(m_slaveKeep);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPair::readyRead);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyPair::flushOut);
}

PtyPair::~PtyPair() {
    hangUp();
}

bool PtyPair::write(const QByteArray& bytes) {
    if (m_master < 0)
        return false;
    m_out.append(bytes);
    flushOut();
    return true;
}

void PtyPair::flushOut() {
    while (m_master >= 0 && !m_out.isEmpty()) {
        const ssize_t n = ::write(m_master, m_out.constData(), size_t(m_out.size()));
        if (n > 0)
            m_out.remove(0, qsizetype(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno == EAGAIN)
            break;
        else
            m_out.clear(); // the line is gone; nobody will read these
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_out.isEmpty());
}

qsizetype PtyPair::writeSome(const QByteArray& bytes) {
    if (m_master < 0)
        return -1;
    if (!m_out.isEmpty())
        return 0;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n < 0 && errno != EAGAIN)
            return done > 0 ? done : -1;
        else
            break;
    }
    return done;
}

QByteArray PtyPair::readAll() {
    QByteArray out;
    if (m_master < 0)
        return out;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0)
            out.append(buf, qsizetype(n));
        else
            break;
    }
    return out;
}

void PtyPair::hangUp() {
    // A part may drop the line from inside a read or write notification: the notifiers go
    // later, not under their own feet.
    for (QSocketNotifier** n : {&m_notifier, &m_writeNotifier}) {
        if (*n) {
            (*n)->setEnabled(false);
            (*n)->deleteLater();
            *n = nullptr;
        }
    }
    m_out.clear();
    if (m_slaveKeep >= 0) {
        ::close(m_slaveKeep);
        m_slaveKeep = -1;
    }
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}
