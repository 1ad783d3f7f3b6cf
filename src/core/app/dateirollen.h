// The files one run reads and writes, each with its role ("die Firmware dieses Profils", "der
// Trace"), known by what they are, not by how they were named: two entries are the same file
// when they have the same device and inode (links followed), or, for a file still to be made,
// the same canonical folder and name. A run asks konflikt() before its first byte goes out or
// its first file is written; a file written that is also read (or written twice) is refused.
#pragma once

#include <QList>
#include <QString>

class Dateirollen {
public:
    // A file the run reads; an empty name is no file and is left out.
    void gelesen(const QString& path, const QString& rolle);
    // A file the run writes (its output, the trace, a backup); rolle with its article ("der
    // Trace"), as the message begins with it.
    void geschrieben(const QString& path, const QString& rolle);

    // The first file written that is a file read or another file written, in words naming
    // both roles: Der Trace "<name>" ist die Firmware dieses Profils ... ; empty when none.
    QString konflikt() const;

    // Whether two names are the same file, as konflikt() decides it.
    static bool gleich(const QString& a, const QString& b);

private:
    struct Eintrag {
        QString pfad;
        QString rolle;
        QString schluessel;
    };
    // The identity of a name: "dev:inode" of what it leads to, "neu:<canonical folder>/<name>"
    // for a file not yet there, empty when even its folder cannot be found.
    static QString schluessel(const QString& path);

    QList<Eintrag> m_gelesen;
    QList<Eintrag> m_geschrieben;
};
