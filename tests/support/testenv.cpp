#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

TestEnv::TestEnv() : m_oldHome(qgetenv("HOME")), m_oldCwd(QDir::currentPath()) {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/.config")).toLocal8Bit());
    clearSettings();
}

TestEnv::~TestEnv() {
    QDir::setCurrent(m_oldCwd);
    qputenv("HOME", m_oldHome);
}

QString TestEnv::configDir() const {
    return m_home.path() + QStringLiteral("/vantrel");
}

void TestEnv::writeConfig(const QStringList& lines) const {
    QDir().mkpath(configDir());
    QFile f(configDir() + QStringLiteral("/vantrel.cfg"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test configuration");
    for (const QString& l : lines) {
        f.write(l.toLocal8Bit());
        f.write("\n");
    }
}

QStringList TestEnv::readConfig() const {
    QFile f(configDir() + QStringLiteral("/vantrel.cfg"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString all = QString::fromLocal8Bit(f.readAll());
    if (all.endsWith(QLatin1Char('\n')))
        all.chop(1);
    return all.split(QLatin1Char('\n'));
}

void TestEnv::clearSettings() {
    QSettings s(QStringLiteral("vantrel"), QStringLiteral("AFU"));
    s.clear();
    s.sync();
}

QByteArray fileBytes(const QString& path, const QByteArray& ifMissing) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : ifMissing;
}
