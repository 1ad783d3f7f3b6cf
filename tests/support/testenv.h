// The ground every test stands on: a throw-away HOME (so the configuration folder and the
// settings store are the test's own), QStandardPaths test mode, and paths to shared data.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestEnv {
public:
    TestEnv();
    ~TestEnv();

    QString home() const { return m_home.path(); }
    // ~/vantrel of this HOME.
    QString configDir() const;
    // Writes ~/vantrel/vantrel.cfg with the given lines (LF ends), creating the folder.
    void writeConfig(const QStringList& lines) const;
    // The lines of ~/vantrel/vantrel.cfg, without line ends.
    QStringList readConfig() const;
    // Forgets the settings store ("vantrel"/"AFU").
    static void clearSettings();

    static QString sourceDir() { return QStringLiteral(TALVARO_SOURCE_DIR); }
    static QString testData(const QString& name) {
        return QStringLiteral(TALVARO_TESTDATA_DIR "/") + name;
    }
    static QString sampleRelease() { return sourceDir() + QStringLiteral("/data/sample-release"); }

private:
    QTemporaryDir m_home;
    QByteArray m_oldHome;
    QString m_oldCwd;
};

// The whole contents of a file, or ifMissing when it cannot be read.
QByteArray fileBytes(const QString& path, const QByteArray& ifMissing = {});
