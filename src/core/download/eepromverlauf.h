// The history of the EEPROM dumps of one profile: one record per dump the program received
// (when it ended, its size, whole or not, its SHA-256, why it was made, the port and the file
// that holds it), kept in one small JSON index in the backup folder. Two programs may work
// on one folder at once: the index is rewritten whole (QSaveFile) under a lock file both
// respect, and the clean-up removes only files the index says the program made.
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace download {

struct VerlaufEintrag {
    enum class Herkunft { Sicherung, VorWiederherstellung, VorPicLaden, Vergleich, VorSchreiben };

    QDateTime zeit; // UTC, when the dump ended
    qint64 bytes = 0;
    bool vollstaendig = false;
    QString sha256; // lower-case hex
    Herkunft herkunft = Herkunft::Sicherung;
    QString port;
    QString datei; // absolute path
    // Taken over from a folder of an older version (its time is the file's).
    bool uebernommen = false;
    // The file's modification time when it was recorded (ms since the epoch): a file that
    // still has it is taken as unchanged without reading it again.
    qint64 mtime = 0;

    // "backup", "before-restore", "before-pic-download", "compare", "before-write".
    static QString herkunftName(Herkunft h);
    static bool herkunftAusName(const QString& name, Herkunft* h);
    // The keys a person or a script reads: time (ISO 8601), bytes, complete, sha256, origin,
    // file. The index adds its own to them.
    QJsonObject json() const;
    // The file is there and still holds what was recorded (quick: by size and time, read
    // only when they differ).
    bool vorhanden() const;
    // The same, always by reading the file.
    bool unveraendert() const;
};

class EepromVerlauf {
public:
    // The history of profile (0..2) in ordner.
    EepromVerlauf(const QString& ordner, int profil);

    QString indexPfad() const;

    // The records, oldest first. A folder without an index is taken over first (its backups
    // by their name and size). False with fehler when the index cannot be read or made.
    bool lesen(QList<VerlaufEintrag>* eintraege, QString* fehler = nullptr);
    // Adds a record (its mtime is taken from the file now).
    bool eintragen(VerlaufEintrag eintrag, QString* fehler = nullptr);

    struct Aufraeumen {
        QStringList entfernt;
        QStringList nichtEntfernt; // could not be removed
        QStringList veraendert;    // kept: the file no longer holds what was recorded
    };
    // Keeps the newest `behalten` of the program's files in the folder, by recorded time.
    // Never removed: what the index does not name, the files of the running operation
    // (bleiben: its own backup, the file it reads, under whatever name), a record made at or
    // after beginn (the operation's start), one another program recorded less than
    // kSchonfrist ago, and a file whose SHA-256 no longer matches.
    Aufraeumen aufraeumen(int behalten, const QDateTime& beginn, const QStringList& bleiben,
                          QString* fehler = nullptr);

    // Records of other programs younger than this are theirs to use (a backup before a write
    // that is still running).
    static constexpr qint64 kSchonfristSek = 3600;

    // A free name in ordner: eeprom-HW<profil+1>-<yyyyMMdd-HHmmss>[-n]<endung>. A name is free
    // when neither it nor its ".partial" is there; it is taken by creating it empty, or, with
    // vorlaeufig, by creating its ".partial" (a dump streams into that and takes the name
    // only when whole). Two runs in the same second never share one. Empty when none can be
    // made.
    static QString platzNehmen(const QString& ordner, int profil, const QString& endung,
                               bool vorlaeufig = false);
    // The first name platzNehmen tries, for the message when none can be made.
    static QString ersterName(const QString& ordner, int profil, const QString& endung);

private:
    bool lesenOhneSperre(QList<VerlaufEintrag>* eintraege, bool* da, QString* fehler);
    bool schreiben(const QList<VerlaufEintrag>& eintraege, QString* fehler);
    QList<VerlaufEintrag> uebernehmen() const;

    QString m_ordner;
    int m_profil;
};

// While it lives, no program's clean-up removes datei: a restore or a comparison reads it,
// perhaps the oldest of the backups (a shared lock on the file itself, which the clean-up
// asks for exclusively before it removes a file).
class Lesesperre {
public:
    explicit Lesesperre(const QString& datei);
    ~Lesesperre();
    Lesesperre(const Lesesperre&) = delete;
    Lesesperre& operator=(const Lesesperre&) = delete;

private:
    int m_fd = -1;
};

} // namespace download
