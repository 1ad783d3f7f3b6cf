// A serial trace: every byte the Modem writes and reads, as text lines with the milliseconds
// since the trace began, the direction and the bytes in hex. It is written as it happens and
// flushed line by line into a new file beside the target, so that a run that hangs or is
// killed still leaves its trace; the new file takes the target's name only at close(), so a
// crash or a full disk keeps the old trace (and the partial new one beside it).
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QString>

class Modem;

class SerialTrace : public QObject {
    Q_OBJECT
public:
    explicit SerialTrace(QObject* parent = nullptr);
    ~SerialTrace() override;

    // Creates the new file beside path and writes the head line; the clock starts here. False,
    // with errorText() set, when it cannot be written there. path itself is not touched yet.
    bool open(const QString& path);
    // Ends the trace: the new file takes the target's name, unless a write failed (then
    // both stay, and errorText() says so). False when the trace is not complete at path.
    bool close();
    // Follows the modem's traffic from now on, and notes every port it opens or closes; a
    // second call replaces the first modem.
    void attach(Modem* modem);
    // Writes a comment line ("# text"), for example the port that was opened.
    void note(const QString& text);

    bool isOpen() const { return m_file.isOpen(); }
    // The target named at open().
    QString fileName() const { return m_ziel; }
    // The new file written meanwhile, beside the target.
    QString neueDatei() const { return m_file.fileName(); }
    // Empty until a write failed; then the text the window and the CLI report.
    QString errorText() const { return m_error; }
    // Lines of traffic written so far.
    qint64 lines() const { return m_lines; }

    // One line of traffic: "<ms with three decimals, right-aligned> TX|RX <hex bytes>",
    // for example "   200.125 TX 7E" or "   412.003 RX 23 23 23".
    static QByteArray zeile(qint64 ns, bool sent, const QByteArray& bytes);

private:
    void traffic(bool sent, const QByteArray& bytes);
    void schreiben(const QByteArray& line);

    QFile m_file;
    QString m_ziel;
    // The mode of the trace it replaces; none for a new one.
    QFile::Permissions m_modus;
    QElapsedTimer m_clock;
    QMetaObject::Connection m_connection;
    QMetaObject::Connection m_portConnection;
    QString m_error;
    qint64 m_lines = 0;
};
