// Running talvaro-cli as a program from a test: its output and JSON events as they come,
// while the test's own event loop keeps the simulated set on the other end of the line
// answering.
#pragma once

#include "testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTimer>
#include <functional>

#include <csignal>
#include <fcntl.h>

// Pumps events until done() holds or timeoutMs passed; true when it holds.
inline bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

class CliProcess {
public:
    explicit CliProcess(const QStringList& args, const QString& program = TALVARO_CLI_PATH,
                        const QString& workingDir = {}) {
        QObject::connect(&m_process, &QProcess::readyReadStandardError, [this] { readErr(); });
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput,
                         [this] { m_out += m_process.readAllStandardOutput(); });
        if (!workingDir.isEmpty())
            m_process.setWorkingDirectory(workingDir);
        // The program must not inherit the simulator's end of the line: while it held the
        // master, a set that hangs up would never drop the line for it.
        m_process.setChildProcessModifier([] {
            for (int fd = 3; fd < 1024; ++fd)
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        });
        m_process.start(program, args);
    }
    ~CliProcess() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool waitFinished(int timeoutMs = 60000) {
        const bool ok =
            pumpUntil([this] { return m_process.state() == QProcess::NotRunning; }, timeoutMs);
        readErr();
        m_out += m_process.readAllStandardOutput();
        return ok;
    }
    // Waits for a JSON event on stderr whose "event" is type and that passes the test.
    bool waitEvent(const QString& type, int timeoutMs = 20000,
                   const std::function<bool(const QJsonObject&)>& test = {}) {
        return pumpUntil(
                   [&] {
                       for (const QJsonObject& e : m_events)
                           if (e.value(QStringLiteral("event")).toString() == type &&
                               (!test || test(e)))
                               return true;
                       return m_process.state() == QProcess::NotRunning;
                   },
                   timeoutMs) &&
               m_process.state() != QProcess::NotRunning;
    }
    void interrupt() { signal(SIGINT); }
    void signal(int sig) { ::kill(pid_t(m_process.processId()), sig); }
    void killHard() { signal(SIGKILL); }

    int exitCode() const {
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QByteArray out() const { return m_out; }
    QByteArray err() const { return m_err; }
    QStringList outLines() const {
        QStringList l = QString::fromLocal8Bit(m_out).split(QLatin1Char('\n'));
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    }
    const QList<QJsonObject>& events() const { return m_events; }
    QList<QJsonObject> events(const QString& type) const {
        QList<QJsonObject> r;
        for (const QJsonObject& e : m_events)
            if (e.value(QStringLiteral("event")).toString() == type)
                r.append(e);
        return r;
    }
    // The final result object of a --json run.
    QJsonObject result() const {
        const auto r = events(QStringLiteral("result"));
        return r.isEmpty() ? QJsonObject() : r.last();
    }

private:
    void readErr() {
        m_err += m_process.readAllStandardError();
        qsizetype nl;
        while ((nl = m_err.indexOf('\n', m_parsed)) >= 0) {
            const QByteArray line = m_err.mid(m_parsed, nl - m_parsed);
            m_parsed = nl + 1;
            const QJsonDocument d = QJsonDocument::fromJson(line);
            if (d.isObject())
                m_events.append(d.object());
        }
    }

    QProcess m_process;
    QByteArray m_out;
    QByteArray m_err;
    qsizetype m_parsed = 0;
    QList<QJsonObject> m_events;
};

// Runs talvaro-cli to its end.
struct CliRun {
    int exitCode = -1;
    QByteArray out, err;
    QStringList outLines;
    QJsonObject result;
};
inline CliRun runCli(const QStringList& args, const QString& workingDir = {},
                     int timeoutMs = 60000) {
    CliProcess p(args, TALVARO_CLI_PATH, workingDir);
    p.waitFinished(timeoutMs);
    return {p.exitCode(), p.out(), p.err(), p.outLines(), p.result()};
}

// A configuration file of the given keys.
// A trace is written beside its name until its run ends: what it holds so far.
inline QByteArray traceBisher(const QString& trace) {
    const QDir dir = QFileInfo(trace).dir();
    const QStringList neu =
        dir.entryList({QFileInfo(trace).fileName() + QStringLiteral(".*.partial")});
    return neu.isEmpty() ? QByteArray() : fileBytes(dir.filePath(neu.first()));
}

inline QString writeConfigFile(const QString& path, const QMap<QString, QString>& keys) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    for (auto it = keys.begin(); it != keys.end(); ++it)
        f.write((it.key() + QLatin1Char('=') + it.value() + QLatin1Char('\n')).toLocal8Bit());
    return path;
}

// Profile 0 of the sample release in dir (the defaults' names where it has no file).
inline QMap<QString, QString> releaseKeys(const QString& dir, const QString& suffix = {}) {
    return {
        {QStringLiteral("veskpfad") + suffix, dir},
        {QStringLiteral("dspcodefilename") + suffix, dir + QStringLiteral("/VESK2b1x.dpk")},
        {QStringLiteral("filterfilename") + suffix, dir + QStringLiteral("/Filters/filters.dpk")},
        {QStringLiteral("parameterfilename") + suffix, dir + QStringLiteral("/USER2B2.DPK")},
        {QStringLiteral("xparameterfilename") + suffix,
         dir + QStringLiteral("/Filters/Xparams.dpk")},
        {QStringLiteral("rxeqfilename") + suffix, dir + QStringLiteral("/Filters/RxEQ.dat")},
        {QStringLiteral("txeqfilename") + suffix, dir + QStringLiteral("/Filters/TxEQ.dat")},
        {QStringLiteral("ad603filename") + suffix, dir + QStringLiteral("/Filters/AD603.dat")},
    };
}
