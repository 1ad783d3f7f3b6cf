#include "link/serialtrace.h"

#include "app/dateischreiben.h"
#include "link/modem.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSerialPort>
#include <QStringList>
#include <QTemporaryFile>

SerialTrace::SerialTrace(QObject* parent) : QObject(parent) {}

SerialTrace::~SerialTrace() {
    close();
}

bool SerialTrace::close() {
    if (!m_file.isOpen())
        return m_error.isEmpty();
    m_file.close();
    if (!m_error.isEmpty())
        return false;
    if (m_modus)
        m_file.setPermissions(m_modus);
    if (!dateiUmbenennen(m_file.fileName(), m_ziel)) {
        m_error =
            QCoreApplication::translate("vantrel", "Datei \"%1\" kann nicht geschrieben werden!")
                .arg(m_ziel);
        return false;
    }
    return true;
}

bool SerialTrace::open(const QString& path) {
    close();
    m_error.clear();
    m_lines = 0;
    m_ziel = path;
    if (!nameVerlustfrei(path)) {
        m_error = QCoreApplication::translate("vantrel", "Dateiname ist kein gueltiges UTF-8: %1")
                      .arg(path);
        return false;
    }
    // Looked at before it is opened, as every file written is: a FIFO would block the open
    // until a reader comes, a device or a folder is no trace, and a link that points nowhere
    // would create a file where the person never looked.
    const QFileInfo info(path);
    if (info.isSymLink() ? !info.isFile() : info.exists() && !info.isFile()) {
        m_error =
            QCoreApplication::translate("vantrel", "\"%1\" ist keine Datei und wird nicht ersetzt!")
                .arg(path);
        return false;
    }
    // A name of its own beside the target: two runs never share one, and a partial trace of
    // an earlier run stays as it was.
    QTemporaryFile neu(path + QStringLiteral(".XXXXXX.partial"));
    neu.setAutoRemove(false);
    // Asking its name gives the file one (on Linux it may begin without a name).
    const bool gemacht = neu.open() && !neu.fileName().isEmpty();
    if (gemacht) {
        m_file.setFileName(neu.fileName());
        neu.close();
        // A trace replaced keeps who may read it (set at the end: a read-only mode would
        // keep this very writer out).
        m_modus = info.isFile()
                      ? info.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser)
                      : QFile::Permissions();
    }
    if (!gemacht || !m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_error =
            QCoreApplication::translate("vantrel", "Datei \"%1\" kann nicht geschrieben werden!")
                .arg(path);
        return false;
    }
    m_clock.start();
    note(QStringLiteral("Talvaro serial trace, begun %1; ms since then, TX to the set, RX from it")
             .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs)));
    return m_error.isEmpty();
}

void SerialTrace::attach(Modem* modem) {
    disconnect(m_connection);
    disconnect(m_portConnection);
    if (!modem)
        return;
    m_connection = connect(modem, &Modem::traffic, this, &SerialTrace::traffic);
    // The modem names the port it opened, or "?" when it closed or failed to open one.
    m_portConnection = connect(modem, &Modem::setTtyText, this, [this](const QString& text) {
        note(QStringLiteral("port %1").arg(text));
    });
    // A port opened before the trace began is named as well.
    if (modem->isOpen()) {
        QString name = modem->port()->portName();
#ifdef Q_OS_UNIX
        // Qt keeps the device's name without its folder.
        if (!name.startsWith(QLatin1Char('/')))
            name.prepend(QLatin1String("/dev/"));
#endif
        note(QStringLiteral("port %1").arg(name));
    }
}

void SerialTrace::note(const QString& text) {
    schreiben("# " + text.toUtf8() + '\n');
}

QByteArray SerialTrace::zeile(qint64 ns, bool sent, const QByteArray& bytes) {
    const qint64 us = ns / 1000;
    QByteArray line =
        QByteArray::number(us / 1000) + '.' + QByteArray::number(us % 1000).rightJustified(3, '0');
    line = line.rightJustified(10, ' ');
    line += sent ? " TX " : " RX ";
    line += bytes.toHex(' ').toUpper();
    line += '\n';
    return line;
}

void SerialTrace::traffic(bool sent, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    schreiben(zeile(m_clock.nsecsElapsed(), sent, bytes));
    ++m_lines;
}

void SerialTrace::schreiben(const QByteArray& line) {
    // After the first failure the trace stays silent: one report is enough, and the transfer
    // it watches must not suffer from a full disk.
    if (!m_file.isOpen() || !m_error.isEmpty())
        return;
    if (m_file.write(line) != line.size() || !m_file.flush())
        m_error =
            QCoreApplication::translate("vantrel", "Datei \"%1\" kann nicht geschrieben werden!")
                .arg(m_ziel);
}
