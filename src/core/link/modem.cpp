#include "modem.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif
#ifdef Q_OS_LINUX
#include <QFile>
#include <fcntl.h>
#include <unistd.h>
#endif

Modem::Modem(QObject* parent) : QObject(parent) {}

Modem::~Modem() {
    if (m_port && m_port->isOpen())
        m_port->close();
}

QString Modem::systemPortName(const QString& name) {
#ifdef Q_OS_WIN
    if (name.size() > 4)
        return QStringLiteral("\\\\.\\") + name;
    return name;
#else
    static const QRegularExpression com(QStringLiteral("^COM([0-9]+)$"));
    const auto m = com.match(name);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n >= 1)
            return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    }
    if (name.startsWith(QLatin1Char('/')))
        return name;
    return QStringLiteral("/dev/") + name;
#endif
}

bool Modem::openPort(const QString& name) {
    // The callers close first; an open port is never silently replaced.
    if (m_port && m_port->isOpen()) {
        emit setTtyText(QStringLiteral("?"));
        return false;
    }
    delete m_port;
    m_port = new QSerialPort(this);
    m_belegung = {};
    const QString device = systemPortName(name);
    m_port->setPortName(device);
#ifdef Q_OS_LINUX
    // Asked before QSerialPort opens the device: root passes another program's exclusive
    // mode, would write into its line, and clear that mode again on close. The look's
    // descriptor stays open until the port is set up, so the device sees a single open
    // (modem lines rise once, and a last close in between would drop them).
    struct Sonde {
        int fd = -1;
        ~Sonde() {
            if (fd >= 0)
                ::close(fd);
        }
    } sonde;
    sonde.fd =
        ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    m_belegung = portzugriff::belegung(device, sonde.fd);
    if (m_belegung.belegt) {
        emit setTtyText(QStringLiteral("?"));
        return false;
    }
#endif
    if (!m_port->open(QIODevice::ReadWrite)) {
        emit setTtyText(QStringLiteral("?"));
        return false;
    }
    // Opening a port raises DTR and RTS, which on some sets resets or powers what is wired
    // to them; the line runs without them, so they drop at once. A device without modem
    // lines (a pseudo-terminal) refuses the request, which is no failure of the open.
    m_port->setDataTerminalReady(false);
    m_port->setRequestToSend(false);
    m_port->clearError();
    const bool ok =
        m_port->setBaudRate(QSerialPort::Baud9600) && m_port->setDataBits(QSerialPort::Data8) &&
        m_port->setParity(QSerialPort::NoParity) && m_port->setStopBits(QSerialPort::TwoStop) &&
        m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        // Half open: the device stays held until the next closePort.
        emit setTtyText(QStringLiteral("?"));
        return false;
    }
    // What arrives waits here until it is read, at most kLesepuffer bytes; beyond that the
    // driver holds it back. A far end that floods the line cannot grow the program.
    m_port->setReadBufferSize(kLesepuffer);
    m_port->clear();
    // A line that drops (cable pulled, adapter gone, the far end of a pty closed) keeps the
    // port readable with every read failing: Qt reports one error after another without end.
    // The port is closed instead, after the error's own handling has unwound.
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError)
            QMetaObject::invokeMethod(this, &Modem::lineLost, Qt::QueuedConnection);
    });
    emit setTtyText(name);
    return true;
}

namespace {
// The driver hung the line up (the far end went away, the adapter was pulled). Only that is
// a lost line. A write into a full queue fails with EAGAIN, which the port reports like one,
// and a read that finds nothing although the port was signalled readable (another read took
// the bytes in between, which a loaded machine makes happen) is reported as a read error:
// the line is there all the same in both cases.
bool aufgelegt(QSerialPort* port) {
#ifdef Q_OS_UNIX
    pollfd p{int(port->handle()), 0, 0};
    return ::poll(&p, 1, 0) != 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    Q_UNUSED(port);
    return true;
#endif
}
} // namespace

void Modem::lineLost() {
    if (!m_port || !m_port->isOpen())
        return;
    const auto e = m_port->error();
    if (e != QSerialPort::ResourceError && e != QSerialPort::ReadError)
        return;
    if (!aufgelegt(m_port)) {
        m_port->clearError();
        return;
    }
    m_port->close();
    emit setTtyText(QStringLiteral("?"));
    emit leitungWeg();
}

bool Modem::lineDropped() const {
    if (!m_port)
        return false;
    const auto e = m_port->error();
    if (e != QSerialPort::ResourceError && e != QSerialPort::ReadError)
        return false;
    return !m_port->isOpen() || aufgelegt(m_port);
}

bool Modem::closePort() {
    if (m_port && m_port->isOpen()) {
        // What waits in the port's own buffer (the rest of a block a cancel did not cut) goes
        // out first, for as long as the line takes it.
        QDeadlineTimer frist(kAbflussMs);
        while (m_port->bytesToWrite() > 0 && !frist.hasExpired() &&
               m_port->waitForBytesWritten(int(qMax<qint64>(1, frist.remainingTime())))) {
        }
        m_port->close();
    }
    emit setTtyText(QStringLiteral("?"));
    return true;
}

bool Modem::isOpen() const {
    return m_port && m_port->isOpen();
}

qint64 Modem::bytesAvailable() const {
    return isOpen() ? m_port->bytesAvailable() : 0;
}

int Modem::readData(char* buffer, int n) {
    if (!isOpen() || n <= 0 || !buffer)
        return 0;
    if (m_port->bytesAvailable() == 0)
        m_port->waitForReadyRead(0);
    const qint64 got = m_port->read(buffer, n);
    if (got <= 0)
        return 0;
    emit traffic(false, QByteArray(buffer, int(got)));
    return int(got);
}

bool Modem::schreibbereit() const {
    if (!isOpen())
        return true;
    if (m_port->bytesToWrite() > 0)
        return false;
#ifdef Q_OS_UNIX
    pollfd p{int(m_port->handle()), POLLOUT, 0};
    return ::poll(&p, 1, 0) != 0;
#else
    return true;
#endif
}

bool Modem::writeByte(int value) {
    if (!isOpen())
        return false;
    const char c = char(value & 0xFF);
    if (m_port->write(&c, 1) != 1)
        return false;
    m_port->flush();
    emit traffic(true, QByteArray(1, c));
    return true;
}
